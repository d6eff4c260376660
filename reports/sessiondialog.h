#pragma once

#include "session/logeditor.h"

#include <QDialog>
#include <QLocale>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

// A session of the log as the user corrects or adds it: its project, its start and stop, typed
// in any form the locale writes, and its starting comment. The fields go to a function that
// makes the change or says why it could not: the box then shows why and stays open, having
// changed nothing; otherwise it closes.
class SessionDialog final : public QDialog {
    Q_OBJECT
public:
    using Act = std::function<std::optional<QString>(const SessionFields& fields)>;

    SessionDialog(const QString& title, const SessionFields& preset, const QLocale& locale,
                  QDate today, Act act, QWidget* parent);

    void accept() override;

private:
    QLineEdit* field(const QString& name, const QString& label, const QString& text);
    std::optional<QString> read(SessionFields& fields) const;

    QLineEdit* m_project;
    QLineEdit* m_start;
    QLineEdit* m_stop;
    QLineEdit* m_comment;
    QLabel* m_why;
    QLocale m_locale;
    QDate m_today;
    Act m_act;
};
