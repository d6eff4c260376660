#pragma once

#include "storage/fileresult.h"
#include "storage/inifile.h"

#include <QList>
#include <QString>

#include <chrono>
#include <optional>

// The program's settings in Settings.ini: the sections and keys it keeps there, read once at
// start-up into typed values, and written back the way the platform's private-profile files
// are, one value (or one section's values) at a time, each write on its own.
class AppSettings {
public:
    // Section and key names, as the file has always spelled them.
    static constexpr QStringView CheckboxesSection = u"Checkboxes";
    static constexpr QStringView AskMeKey = u"ChkAskMe";
    static constexpr QStringView MinimizeKey = u"ChkMin";
    static constexpr QStringView TextboxesSection = u"Textboxes";
    static constexpr QStringView IntervalKey = u"TxtAsk";
    static constexpr QStringView ComboBoxSection = u"ComboBox";
    static constexpr QStringView ProjectKey = u"CboProject";
    // The colour scheme's section; its four flags are named with the schemes.
    static constexpr QStringView ColorSchemeSection = u"ColorScheme";
    // How long without input counts as being away from a running session; 0 turns it off.
    static constexpr QStringView AwaySection = u"Away";
    static constexpr QStringView AwayMinutesKey = u"Minutes";
    static constexpr std::chrono::minutes DefaultAwayThreshold{15};

    explicit AppSettings(QString path);
    const QString& path() const { return m_path; }

    // Start-up: reads the file, once. Without a file nothing is to be restored.
    void load();
    bool exists() const { return m_exists; }

    // The values as read at start-up. A whole number is nothing when the key is missing or
    // its text does not convert; a text is empty when the key is missing.
    std::optional<int> askMe() const;
    QString interval() const;
    QString project() const;
    std::optional<int> minimize() const;
    // One of the colour scheme's flags as written, "True" or "False" (or a hand-edited word).
    QString schemeFlag(QStringView key) const;
    // A whole number of minutes, 0 or more; a missing key or any other text gives the default.
    std::chrono::minutes awayThreshold() const;

    // Whether Start minimises the window: read from the file at that moment, and only for the
    // exact text "1".
    bool minimizeOnStart() const;

    // Shut-down saves the prompt's box and interval and the project name, in that order; the
    // first failure ends it.
    FileResult saveAtExit(int askMe, const QString& interval, const QString& project) const;
    // The four flags in one rewrite, so that the file never holds two "True" or none.
    FileResult saveSchemeFlags(const QList<IniValue>& flags) const;
    FileResult saveMinimize(bool on) const;
    // Rewrites the file as UTF-8 from now on, so that a project name in any script is kept; a
    // file not written yet will be made as UTF-8.
    FileResult keepAsUtf8();
    void makeNewFileAsUtf8() { m_newFile = ansi::Encoding::Utf8; }

private:
    QString value(QStringView section, QStringView key) const;
    FileResult write(QStringView section, const QList<IniValue>& values) const;

    QString m_path;
    ansi::Encoding m_newFile = ansi::Encoding::Windows1252;
    IniDocument m_document;
    bool m_exists = false;
};
