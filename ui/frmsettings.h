#pragma once

#include "ui/schemes.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

class Dialogs;
class FileResult;
class LinkLabel;
class QCheckBox;
class QLabel;
class QRadioButton;
struct TwipsRect;

// The Settings window: the four colour schemes, each shown as its two pictures with an option
// button under them, and the option to minimise the main window when a session starts. Every
// choice is written to the settings file at once. The window holds the current scheme only as
// its selected option button, and deletes itself when closed, so a new one starts with nothing
// selected.
class FrmSettings final : public QWidget {
    Q_OBJECT
public:
    // settingsFile: the path of Settings.ini. Write failures are reported through dialogs.
    FrmSettings(QString settingsFile, Dialogs& dialogs, QWidget* parent = nullptr);

    // Each runs when its option button becomes selected, by the user or by code.
    void OptDefault_Click();
    void OptRed_Click();
    void OptBlack_Click();
    void OptOrangeCream_Click();
    void SaveColorScheme();
    // Runs whenever the minimise box changes state.
    void ChkMin_Click();
    void ImgExit_Click();

    QRadioButton* option(schemes::Scheme scheme) const;

    // The controls, named as in the window's design.
    QCheckBox* ChkMin;
    QRadioButton* OptOrangeCream;
    QRadioButton* OptBlack;
    QRadioButton* OptRed;
    QRadioButton* OptDefault;
    LinkLabel* ImgExit;
    QLabel* ImgTopOrange;
    QLabel* ImgTopBlack;
    QLabel* ImgTopRed;
    QLabel* ImgTopDefault;
    QLabel* ImgBottomRed;
    QLabel* ImgBottomBlack;
    QLabel* ImgBottomDefault;
    QLabel* ImgBottomOrange;

signals:
    // A scheme was chosen: the main window shows these two pictures from now on.
    void schemeApplied(const QPixmap& top, const QPixmap& bottom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* thumbnail(const QString& picture, const TwipsRect& rect);
    QRadioButton* optionButton(schemes::Scheme scheme, const TwipsRect& rect);
    void applyScheme(const QLabel* top, const QLabel* bottom);
    bool selectNeighbour(QObject* from, int step);
    // Warns about a failed write of the settings file, saying what the failure means.
    void report(const FileResult& result, const QString& what);

    QString m_settingsFile;
    Dialogs& m_dialogs;
    // Set by a failed write and cleared by a successful one, so that a file that cannot be
    // written is reported once rather than at every click.
    bool m_writeFailing = false;
};
