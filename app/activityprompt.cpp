#include "app/activityprompt.h"

#include "session/sessionmodel.h"
#include "ui/updown.h"

#include <QCheckBox>
#include <QLineEdit>

ActivityPrompt::ActivityPrompt(SessionModel& session, QCheckBox* askMeBox, QLineEdit* intervalBox,
                               UpDownControl* intervalArrows, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_askMeBox(askMeBox)
    , m_intervalBox(intervalBox)
    , m_intervalArrows(intervalArrows) {
    m_session.setPromptOn(m_askMeBox->checkState() == Qt::Checked);
    m_session.setPromptInterval(m_intervalBox->text());
    connect(m_askMeBox, &QCheckBox::stateChanged, this, &ActivityPrompt::onAskMeChanged);
    connect(m_intervalBox, &QLineEdit::textChanged, &m_session, &SessionModel::setPromptInterval);
    connect(m_intervalArrows, &UpDownControl::valueChanged, this,
            [this](int value) { m_intervalBox->setText(QString::number(value)); });
}

void ActivityPrompt::onAskMeChanged() {
    // Grayed comes only from the settings file; a click leaves it for good.
    if (m_askMeBox->checkState() != Qt::PartiallyChecked)
        m_askMeBox->setTristate(false);
    m_session.setPromptOn(m_askMeBox->checkState() == Qt::Checked);
}

int ActivityPrompt::askMeValue() const {
    switch (m_askMeBox->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Checked:
        break;
    }
    return 1;
}

QString ActivityPrompt::intervalText() const {
    return m_intervalBox->text();
}

void ActivityPrompt::restoreAskMe(int value) {
    // A grayed box asks nothing, like an unchecked one.
    const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value >= 0 && value <= 2)
        m_askMeBox->setCheckState(states[value]);
}

void ActivityPrompt::restoreInterval(const QString& text) {
    m_intervalBox->setText(text);
}

void ActivityPrompt::setArrowsFromInterval() {
    bool ok = false;
    const int interval = m_intervalBox->text().trimmed().toInt(&ok);
    if (ok && interval >= m_intervalArrows->minimum() && interval <= m_intervalArrows->maximum())
        m_intervalArrows->setValue(interval);
}
