#pragma once

#include "ui/schemes.h"

#include <QWidget>

class LinkLabel;
class QCheckBox;
class QRadioButton;
class SchemeChoice;
struct TwipsRect;

// The Settings window: the four colour schemes, each shown as its two pictures with an option
// button under them, and the option to minimise the main window when a session starts. Every
// choice goes to the scheme choice, which writes it at once. The window deletes itself when
// closed; the first one shows the choices restored at start-up, a later one starts with
// nothing selected.
class SettingsWindow final : public QWidget {
    Q_OBJECT
public:
    SettingsWindow(SchemeChoice& choice, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addThumbnail(schemes::Scheme scheme, bool upper, const TwipsRect& rect, const char* name);
    QRadioButton* addOption(schemes::Scheme scheme, const TwipsRect& rect, const char* name);
    QRadioButton* option(schemes::Scheme scheme) const;
    void showRestoredChoices();
    bool selectNeighbour(QObject* from, int step);

    SchemeChoice& m_choice;
    QRadioButton* m_defaultOption;
    QRadioButton* m_redOption;
    QRadioButton* m_blackOption;
    QRadioButton* m_orangeCreamOption;
    QCheckBox* m_minimizeBox;
};
