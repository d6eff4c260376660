#include "app/mainwindowcontrols.h"

#include "app/mainwindowlayout.h"
#include "app/projectbox.h"
#include "ui/assets/assets.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/updown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

MainWindowControls MainWindowControls::create(QWidget* window, ProjectList& projects,
                                              const QString& elapsedText, const QString& interval) {
    MainWindowControls c{};
    namespace L = mainwindowlayout;
    // Created bottom of the z-order first: a later sibling is drawn over an earlier one.
    // The pictures come with the colour scheme, at start-up.
    const auto picture = [window](const TwipsRect& rect, const char* name) {
        auto* label = new QLabel(window);
        label->setObjectName(QLatin1StringView(name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(label, rect);
        return label;
    };
    const QCursor hand = assets::linkCursor();
    const auto link = [window, &hand](const QString& caption, const TwipsRect& rect,
                                      const char* name) {
        auto* label = new LinkLabel(caption, window);
        label->setObjectName(QLatin1StringView(name));
        label->setFont(fonts::arialBold(9.75, true));
        label->setForegroundRole(QPalette::Highlight);
        label->setCursor(hand);
        place(label, rect);
        return label;
    };
    const auto value = [window](const QString& caption, const TwipsRect& rect, const char* name) {
        auto* label = new QLabel(caption, window);
        label->setObjectName(QLatin1StringView(name));
        label->setFont(fonts::arialBold(12));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
        place(label, rect);
        return label;
    };
    const auto button = [window](const QString& caption, const TwipsRect& rect, const char* name) {
        auto* pushButton = new QPushButton(caption, window);
        pushButton->setObjectName(QLatin1StringView(name));
        place(pushButton, rect);
        return pushButton;
    };
    c.bottomPicture = picture(L::ImgBottom, "ImgBottom");
    c.topPicture = picture(L::ImgTop, "ImgTop");
    c.reportsLink = link(QStringLiteral("Reports"), L::LblReports, "LblReports");
    c.startTimeLabel = value(QStringLiteral("0:00"), L::LblStartTime, "LblStartTime");
    c.stopTimeLabel = value(QStringLiteral("0:00"), L::LblStopTime, "LblStopTime");
    c.elapsedLabel = value(elapsedText, L::LblTotalTime, "LblTotalTime");
    auto* minutesLabel = new QLabel(QStringLiteral("minutes"), window);
    minutesLabel->setObjectName(QStringLiteral("Label3"));
    place(minutesLabel, L::Label3);
    c.settingsLink = link(QStringLiteral("Settings"), L::LblSettings, "LblSettings");
    c.aboutLink = link(QStringLiteral("About"), L::LblAbout, "LblAbout");

    c.askMeBox = new QCheckBox(QStringLiteral("Ask me what I 'am doing every"), window);
    c.askMeBox->setObjectName(QStringLiteral("ChkAskMe"));
    c.askMeBox->setChecked(true);
    // It paints its own white background over the picture, not the button colour.
    c.askMeBox->setBackgroundRole(QPalette::Window);
    c.askMeBox->setAutoFillBackground(true);
    place(c.askMeBox, L::ChkAskMe);
    c.startStopButton = button(QStringLiteral("&Start"), L::CmdStartStop, "CmdStartStop");
    c.projectBox = new ProjectBox(projects, window);
    c.projectBox->setObjectName(QStringLiteral("CboProject"));
    place(c.projectBox, L::CboProject);
    c.notesButton = button(QStringLiteral("&Notes"), L::CmdNotes, "CmdNotes");
    c.notesButton->setEnabled(false);
    c.addButton = button(QStringLiteral("+"), L::CmdAdd, "CmdAdd");
    c.intervalBox = new QLineEdit(interval, window);
    c.intervalBox->setObjectName(QStringLiteral("TxtAsk"));
    c.intervalBox->setAlignment(Qt::AlignCenter);
    place(c.intervalBox, L::TxtAsk);
    c.removeButton = button(QStringLiteral("-"), L::CmdRemove, "CmdRemove");
    c.intervalArrows = new UpDownControl(window);
    c.intervalArrows->setObjectName(QStringLiteral("UpDown"));
    c.intervalArrows->setRange(0, 50000);
    c.intervalArrows->setValue(30);
    place(c.intervalArrows, L::UpDown);

    const QList<QWidget*> tabOrder{c.startStopButton, c.projectBox,    c.notesButton,
                                   c.addButton,       c.askMeBox,      c.intervalBox,
                                   c.removeButton,    c.intervalArrows};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    c.startStopButton->setFocus();
    return c;
}
