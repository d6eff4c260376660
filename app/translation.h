#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts, and Qt's own, in the user's language. English is the language the texts
// are written in, so an English locale, or one whose language we do not ship, loads nothing and
// every text stays as written. Installed for as long as the object lives.
class Translation {
public:
    // Tries the locale's languages in the user's order of preference, stopping at English.
    explicit Translation(const QLocale& locale);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The language loaded ("de"), or empty when the texts stay English.
    QString language() const { return m_language; }

    // Where our compiled translations are, one tallyhawk_<language>.qm each.
    static QString folder();

private:
    QTranslator m_own;
    QTranslator m_qt;
    QString m_language;
};
