#include "storage/appsettings.h"

#include "storage/datafiles.h"
#include "storage/textfile.h"

namespace {

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

AppSettings::AppSettings(QString path)
    : m_path(std::move(path))
    , m_document(m_path) {}

void AppSettings::load() {
    m_exists = datafiles::FileExists(m_path);
    // A file that cannot be read reads as one without the keys, as each single read would.
    if (m_exists)
        (void)m_document.load();
}

QString AppSettings::value(QStringView section, QStringView key) const {
    return m_document.value(section, key).left(IniReadLimit);
}

std::optional<int> AppSettings::askMe() const {
    return wholeNumber(value(CheckboxesSection, AskMeKey));
}

QString AppSettings::interval() const {
    return value(TextboxesSection, IntervalKey);
}

QString AppSettings::project() const {
    return value(ComboBoxSection, ProjectKey);
}

std::optional<int> AppSettings::minimize() const {
    return wholeNumber(value(CheckboxesSection, MinimizeKey));
}

QString AppSettings::schemeFlag(QStringView key) const {
    return value(ColorSchemeSection, key);
}

std::chrono::minutes AppSettings::awayThreshold() const {
    const std::optional<int> minutes = wholeNumber(value(AwaySection, AwayMinutesKey));
    return minutes && *minutes >= 0 ? std::chrono::minutes(*minutes) : DefaultAwayThreshold;
}

bool AppSettings::minimizeOnStart() const {
    return ReadINI(CheckboxesSection, MinimizeKey, m_path) == u"1";
}

FileResult AppSettings::saveAtExit(int askMe, const QString& interval,
                                   const QString& project) const {
    if (FileResult result =
            write(CheckboxesSection, {{AskMeKey.toString(), QString::number(askMe)}});
        !result.ok())
        return result;
    if (FileResult result = write(TextboxesSection, {{IntervalKey.toString(), interval}});
        !result.ok())
        return result;
    return write(ComboBoxSection, {{ProjectKey.toString(), project}});
}

FileResult AppSettings::saveSchemeFlags(const QList<IniValue>& flags) const {
    return write(ColorSchemeSection, flags);
}

FileResult AppSettings::saveMinimize(bool on) const {
    return write(CheckboxesSection,
                 {{MinimizeKey.toString(), on ? QStringLiteral("1") : QStringLiteral("0")}});
}

FileResult AppSettings::write(QStringView section, const QList<IniValue>& values) const {
    return WriteINI(section, values, m_path, m_newFile);
}

FileResult AppSettings::keepAsUtf8() {
    m_newFile = ansi::Encoding::Utf8;
    // A file not there yet stays away: its absence means "nothing to restore".
    if (!datafiles::FileExists(m_path))
        return FileResult::success();
    return textfile::keepAsUtf8(m_path);
}
