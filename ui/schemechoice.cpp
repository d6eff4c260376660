#include "ui/schemechoice.h"

#include "storage/appsettings.h"
#include "ui/assets/assets.h"
#include "ui/dialogs.h"

#include <QWidget>

using schemes::Scheme;

SchemeChoice::SchemeChoice(const AppSettings& settings, Dialogs& dialogs, QWidget* owner)
    : QObject(owner)
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_owner(owner) {}

void SchemeChoice::restore() {
    // Choosing a scheme writes all four flags, the others "False", so the first flag that
    // reads "True" wins and the file is left with that one.
    for (const Scheme scheme : schemes::RestoreOrder) {
        const auto flag = schemes::parseFlag(m_settings.schemeFlag(schemes::info(scheme).key));
        if (flag.value_or(false)) {
            m_restored.scheme = scheme;
            choose(scheme, nullptr);
            break;
        }
    }
    // The option is off until set; only a change to on is written back.
    if (const auto minimize = m_settings.minimize(); minimize == 1) {
        m_restored.minimize = true;
        setMinimize(true, nullptr);
    }
}

void SchemeChoice::choose(Scheme scheme, QWidget* over) {
    const schemes::SchemeInfo& chosen = schemes::info(scheme);
    emit schemeApplied(assets::pixmap(chosen.top), assets::pixmap(chosen.bottom));
    QList<IniValue> flags;
    for (const Scheme each : schemes::SaveOrder)
        flags.append({schemes::info(each).key.toString(), schemes::flagText(each == scheme)});
    report(m_settings.saveSchemeFlags(flags),
           tr("The colour scheme could not be saved; it applies until Tallyhawk "
              "closes."),
           over);
}

void SchemeChoice::setMinimize(bool on, QWidget* over) {
    report(m_settings.saveMinimize(on),
           tr("The option to minimize when a project starts could not be saved, so "
              "it does not take effect."),
           over);
}

SchemeChoice::Restored SchemeChoice::takeRestored() {
    return std::exchange(m_restored, Restored());
}

void SchemeChoice::report(const FileResult& result, const QString& what, QWidget* over) {
    if (result.ok()) {
        m_writeFailing = false;
        return;
    }
    if (m_writeFailing)
        return;
    m_writeFailing = true;
    // A hidden window cannot carry a box; its owner can.
    m_dialogs.messageBox(
        over && over->isVisible() ? over : m_owner,
        Dialogs::Message::warning(what + QStringLiteral("\n\n") + result.message()));
}
