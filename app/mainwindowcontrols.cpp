#include "app/mainwindowcontrols.h"

#include "app/mainwindowlayout.h"
#include "app/projectbox.h"
#include "ui/assets/assets.h"
#include "ui/fonts.h"
#include "ui/linklabel.h"
#include "ui/readablecolour.h"
#include "ui/schemes.h"
#include "ui/updown.h"
#include "ui/valuelabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The text a tooltip shows and a screen reader reads after a control's name.
void describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
    control->setToolTip(description);
}

// The colour of the given role made to read on a background the design fixes, whatever the
// desktop's palette.
void readableOn(QWidget* control, QPalette::ColorRole role, const QColor& background) {
    QPalette pal = control->palette();
    pal.setColor(role, readablecolour::on(pal.color(role), background));
    control->setPalette(pal);
}

} // namespace

MainWindowControls MainWindowControls::create(QWidget* window, ProjectList& projects,
                                              const QString& elapsedText, const QString& interval) {
    MainWindowControls c{};
    namespace L = mainwindowlayout;
    // Created bottom of the z-order first: a later sibling is drawn over an earlier one.
    // The pictures come with the colour scheme, at start-up.
    const auto picture = [window](const TwipsRect& rect, const char* name, const QString& shows) {
        auto* label = new QLabel(window);
        label->setObjectName(QLatin1StringView(name));
        label->setAccessibleName(shows);
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
        // The desktop's highlight colour, as dark as it must be to read on the picture.
        readableOn(label, QPalette::Highlight, schemes::DarkestPanel);
        label->setCursor(hand);
        label->setFocusPolicy(Qt::TabFocus);
        label->setAccessibleDescription(tr("Opens the %1 window").arg(caption));
        place(label, rect);
        return label;
    };
    // Each value's caption is drawn in the lower picture, left of it.
    const auto value = [window](const QString& caption, const QString& text, const TwipsRect& rect,
                                const char* name) {
        auto* label = new ValueLabel(caption, text, window);
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
    c.bottomPicture = picture(L::ImgBottom, "ImgBottom", tr("Start Time, Stop Time, Total Time"));
    c.topPicture = picture(L::ImgTop, "ImgTop", tr("The Project"));
    c.reportsLink = link(tr("Reports"), L::LblReports, "LblReports");
    c.startTimeLabel =
        value(tr("Start Time:"), QStringLiteral("0:00"), L::LblStartTime, "LblStartTime");
    c.stopTimeLabel =
        value(tr("Stop Time:"), QStringLiteral("0:00"), L::LblStopTime, "LblStopTime");
    c.elapsedLabel = value(tr("Total Time:"), elapsedText, L::LblTotalTime, "LblTotalTime");
    auto* minutesLabel = new QLabel(tr("minutes"), window);
    minutesLabel->setObjectName(QStringLiteral("Label3"));
    readableOn(minutesLabel, QPalette::WindowText, schemes::DarkestPanel);
    place(minutesLabel, L::Label3);
    c.settingsLink = link(tr("Settings"), L::LblSettings, "LblSettings");
    c.aboutLink = link(tr("About"), L::LblAbout, "LblAbout");

    c.askMeBox = new QCheckBox(tr("Ask me what I 'am doing every"), window);
    c.askMeBox->setObjectName(QStringLiteral("ChkAskMe"));
    c.askMeBox->setChecked(true);
    // It paints its own white background over the picture, not the button colour.
    c.askMeBox->setBackgroundRole(QPalette::Window);
    c.askMeBox->setAutoFillBackground(true);
    readableOn(c.askMeBox, QPalette::WindowText, Qt::white);
    place(c.askMeBox, L::ChkAskMe);
    c.startStopButton = button(tr("&Start"), L::CmdStartStop, "CmdStartStop");
    // The two text boxes sit inside the light picture; a dark desktop would make them black
    // holes in it. They take the light colours Qt works out from a light button face.
    const QPalette light(QColor(0xef, 0xef, 0xef));
    c.projectBox = new ProjectBox(projects, window);
    c.projectBox->setObjectName(QStringLiteral("CboProject"));
    c.projectBox->setPalette(light);
    // Its text field takes the focus itself, and is what a screen reader reads.
    for (QWidget* part : std::initializer_list<QWidget*>{c.projectBox, c.projectBox->lineEdit()})
        part->setAccessibleName(tr("The Project"));
    c.projectBox->setAccessibleDescription(tr("Type a project name, or pick one from the list"));
    place(c.projectBox, L::CboProject);
    c.notesButton = button(tr("&Notes"), L::CmdNotes, "CmdNotes");
    c.notesButton->setEnabled(false);
    c.addButton = button(QStringLiteral("+"), L::CmdAdd, "CmdAdd");
    describe(c.addButton, tr("Add project"),
             tr("Add the project name typed in the box to the list"));
    c.intervalBox = new QLineEdit(interval, window);
    c.intervalBox->setObjectName(QStringLiteral("TxtAsk"));
    c.intervalBox->setAlignment(Qt::AlignCenter);
    c.intervalBox->setPalette(light);
    c.intervalBox->setAccessibleName(tr("minutes"));
    c.intervalBox->setAccessibleDescription(
        tr("How many minutes pass between the questions \"What are you doing now?\""));
    place(c.intervalBox, L::TxtAsk);
    c.removeButton = button(QStringLiteral("-"), L::CmdRemove, "CmdRemove");
    describe(c.removeButton, tr("Remove project"),
             tr("Remove the project shown in the box from the list"));
    c.intervalArrows = new UpDownControl(window);
    c.intervalArrows->setObjectName(QStringLiteral("UpDown"));
    c.intervalArrows->setRange(0, 50000);
    c.intervalArrows->setValue(30);
    c.intervalArrows->setAccessibleName(tr("minutes up or down"));
    c.intervalArrows->setAccessibleDescription(
        tr("The Up and Down keys change the minutes by one"));
    readableOn(c.intervalArrows, QPalette::WindowText, schemes::DarkestPanel);
    place(c.intervalArrows, L::UpDown);

    // The design's tab order, which takes in the links where their tab indexes put them.
    const QList<QWidget*> tabOrder{c.startStopButton, c.projectBox,   c.notesButton, c.addButton,
                                   c.reportsLink,     c.askMeBox,     c.intervalBox, c.removeButton,
                                   c.intervalArrows,  c.settingsLink, c.aboutLink};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    c.startStopButton->setFocus();
    return c;
}
