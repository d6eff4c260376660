#pragma once

#include <QDateTime>
#include <QDialog>
#include <QLocale>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

// Asks for one moment, typed in any form the user's locale writes. The answer goes to a
// function that acts on it and says why it could not: the box then shows why and stays open,
// having changed nothing; otherwise it closes.
class MomentDialog final : public QDialog {
    Q_OBJECT
public:
    using Act = std::function<std::optional<QString>(const QDateTime& moment)>;

    MomentDialog(const QString& title, const QString& prompt, const QString& preset,
                 const QLocale& locale, QDate today, Act act, QWidget* parent);

    void accept() override;

private:
    QLineEdit* m_moment;
    QLabel* m_why;
    QLocale m_locale;
    QDate m_today;
    Act m_act;
};
