#include "ui/momentdialog.h"

#include "storage/momenttext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

MomentDialog::MomentDialog(const QString& title, const QString& prompt, const QString& preset,
                           const QLocale& locale, QDate today, Act act, QWidget* parent)
    : QDialog(parent)
    , m_moment(new QLineEdit(preset, this))
    , m_why(new QLabel(this))
    , m_locale(locale)
    , m_today(today)
    , m_act(std::move(act)) {
    setObjectName(QStringLiteral("FrmMoment"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_moment);
    m_moment->setObjectName(QStringLiteral("TxtMoment"));
    m_moment->setAccessibleName(prompt);
    m_why->setObjectName(QStringLiteral("LblWhy"));
    m_why->setWordWrap(true);
    m_why->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_moment);
    layout->addWidget(m_why);
    layout->addWidget(buttons);
    m_moment->selectAll();
}

void MomentDialog::accept() {
    const std::optional<QDateTime> moment = readMoment(m_moment->text(), m_locale, m_today);
    std::optional<QString> why =
        moment ? m_act(*moment)
               : tr("\"%1\" does not read as a date and time.").arg(m_moment->text());
    if (!why) {
        QDialog::accept();
        return;
    }
    m_why->setText(*why);
    m_why->show();
    m_moment->setFocus();
}
