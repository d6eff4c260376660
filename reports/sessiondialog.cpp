#include "reports/sessiondialog.h"

#include "storage/datetimetext.h"
#include "storage/momenttext.h"
#include "storage/onelinetext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

SessionDialog::SessionDialog(const QString& title, const SessionFields& preset,
                             const QLocale& locale, QDate today, Act act, QWidget* parent)
    : QDialog(parent)
    , m_why(new QLabel(this))
    , m_locale(locale)
    , m_today(today)
    , m_act(std::move(act)) {
    setObjectName(QStringLiteral("FrmSession"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setLayout(new QFormLayout);
    const DateTimeText stamps(locale);
    const auto stamp = [&stamps](const QDateTime& at) {
        return at.isValid() ? stamps.format(at) : QString();
    };
    m_project = field(QStringLiteral("TxtProject"), tr("&Project:"), preset.project);
    m_start = field(QStringLiteral("TxtStart"), tr("S&tarted:"), stamp(preset.start));
    m_stop = field(QStringLiteral("TxtStop"), tr("St&opped:"), stamp(preset.stop));
    m_comment =
        field(QStringLiteral("TxtComment"), tr("Starting &comment:"), preset.startingComment);
    m_why->setObjectName(QStringLiteral("LblWhy"));
    m_why->setWordWrap(true);
    m_why->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = static_cast<QFormLayout*>(layout());
    form->addRow(m_why);
    form->addRow(buttons);
    setMinimumWidth(420);
}

QLineEdit* SessionDialog::field(const QString& name, const QString& label, const QString& text) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    edit->setAccessibleName(QString(label).remove(u'&').remove(u':'));
    static_cast<QFormLayout*>(layout())->addRow(caption, edit);
    return edit;
}

std::optional<QString> SessionDialog::read(SessionFields& fields) const {
    fields.project = oneLineText(m_project->text());
    fields.startingComment = oneLineText(m_comment->text());
    for (const auto& [edit, moment] :
         {std::pair{m_start, &fields.start}, std::pair{m_stop, &fields.stop}}) {
        const std::optional<QDateTime> read = readMoment(edit->text(), m_locale, m_today);
        if (!read)
            return tr("\"%1\" does not read as a date and time.").arg(edit->text());
        *moment = *read;
    }
    return std::nullopt;
}

void SessionDialog::accept() {
    SessionFields fields;
    std::optional<QString> why = read(fields);
    if (!why)
        why = m_act(fields);
    if (!why) {
        QDialog::accept();
        return;
    }
    m_why->setText(*why);
    m_why->show();
}
