#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translation::Translation(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const QLocale preferred(name);
        // The texts are written in English: a user who prefers it before any language we ship
        // gets them as written, not a later choice.
        if (preferred.language() == QLocale::English || preferred.language() == QLocale::C)
            return;
        // "tallyhawk_de_AT" falls back to "tallyhawk_de".
        if (m_own.load(QStringLiteral("tallyhawk_") + preferred.name(), folder()))
            break;
    }
    if (m_own.isEmpty())
        return;
    m_language = m_own.language();
    QCoreApplication::installTranslator(&m_own);
    // Qt's own buttons and dialogs (OK, Cancel, the file dialog) in the same language; where
    // Qt has none, they stay English.
    if (m_qt.load(QStringLiteral("qtbase_") + m_language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translation::~Translation() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_own);
}

QString Translation::folder() {
    return QStringLiteral(":/i18n");
}
