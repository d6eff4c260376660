#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QCheckBox;
class QLineEdit;
class SessionModel;
class UpDownControl;

// The activity prompt's controls on the main window: the box that turns it on, the interval
// in minutes as text, and the arrows that step it. Each change goes to the session model,
// which says when the prompt is due.
class ActivityPrompt final : public QObject {
    Q_OBJECT
public:
    ActivityPrompt(SessionModel& session, QCheckBox* askMeBox, QLineEdit* intervalBox,
                   UpDownControl* intervalArrows, QObject* parent);

    // The values the settings file keeps: the box's state as 0 unchecked, 1 checked, 2 grayed,
    // and the interval as shown.
    int askMeValue() const;
    QString intervalText() const;

    // Start-up puts the saved values back through the controls, whose own handling then runs.
    // A box value other than 0, 1 or 2 leaves the box as it is; the arrows take the interval
    // when it is a whole number within their range.
    void restoreAskMe(int value);
    void restoreInterval(const QString& text);
    void setArrowsFromInterval();

private:
    void onAskMeChanged();

    SessionModel& m_session;
    QCheckBox* m_askMeBox;
    QLineEdit* m_intervalBox;
    UpDownControl* m_intervalArrows;
};
