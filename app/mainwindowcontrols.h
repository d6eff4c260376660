#pragma once

#include <QCoreApplication>
#include <QString>

class LinkLabel;
class ProjectBox;
class ProjectList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class UpDownControl;

// The main window's controls, each in its design's place and stacking order, with its design
// name as its object name, and the focus on Start.
struct MainWindowControls {
    QLabel* topPicture;
    QLabel* bottomPicture;
    LinkLabel* reportsLink;
    LinkLabel* settingsLink;
    LinkLabel* aboutLink;
    QLabel* startTimeLabel;
    QLabel* stopTimeLabel;
    QLabel* elapsedLabel;
    QCheckBox* askMeBox;
    QLineEdit* intervalBox;
    UpDownControl* intervalArrows;
    QPushButton* startStopButton;
    QPushButton* notesButton;
    QPushButton* addButton;
    QPushButton* removeButton;
    ProjectBox* projectBox;

    // The project box shows the list; the elapsed time and the prompt interval are shown as
    // given.
    static MainWindowControls create(QWidget* window, ProjectList& projects,
                                     const QString& elapsedText, const QString& interval);

    Q_DECLARE_TR_FUNCTIONS(MainWindowControls)
};
