#include "storage/inifile.h"

#include "storage/ansitext.h"
#include "storage/textfile.h"

#include <optional>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

// Only spaces and tabs: other characters, a no-break space among them, belong to the value.
QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool isQuoted(QStringView text) {
    return text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
}

std::optional<QStringView> headingName(QStringView line) {
    const QStringView text = trimBlanks(line);
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(text.sliced(1, close - 1));
}

struct KeyLine {
    QStringView key;
    QStringView value;
    // Where a new value starts when the line is rewritten: after the '=' and the blanks that
    // follow it, so that "Key = 1" becomes "Key = 2".
    qsizetype valueStart;
};

std::optional<KeyLine> parseKeyLine(QStringView line) {
    const QStringView text = trimBlanks(line);
    if (text.isEmpty() || text.front() == u';' || text.front() == u'#' || text.front() == u'[')
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QStringView value = trimBlanks(line.sliced(equals + 1));
    const qsizetype valueStart = value.isEmpty() ? equals + 1 : value.data() - line.data();
    return KeyLine{trimBlanks(line.first(equals)), value, valueStart};
}

QStringView unquote(QStringView value) {
    return isQuoted(value) ? value.sliced(1, value.size() - 2) : value;
}

QString quoteForWriting(QStringView value) {
    const bool needsQuotes =
        !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()) || isQuoted(value));
    return needsQuotes ? u'"' + value.toString() + u'"' : value.toString();
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString foldedName(QStringView name) {
    return name.toString().toCaseFolded();
}

// Names that would not be found again after writing, or would break the line structure.
std::optional<QString> unstorableReason(QStringView section, QStringView key, QStringView value) {
    if (textlines::hasBreak(value))
        return textfile::lineBreakReason(u"a settings value");
    if (textlines::hasBreak(section) || section.contains(u']') || trimBlanks(section) != section)
        return QStringLiteral("\"%1\" cannot be used as a section name").arg(section);
    const bool badKey = key.isEmpty() || textlines::hasBreak(key) || key.contains(u'=') ||
                        trimBlanks(key) != key || key.front() == u';' || key.front() == u'#' ||
                        key.front() == u'[';
    if (badKey)
        return QStringLiteral("\"%1\" cannot be used as a key name").arg(key);
    return std::nullopt;
}

} // namespace

IniDocument::IniDocument(QString path, ansi::Encoding newFile)
    : m_path(std::move(path))
    , m_newFile(newFile) {
    clear();
}

void IniDocument::clear() {
    m_encoding = m_newFile;
    m_modified = false;
    m_sections = {Section{}};
    m_firstSection.clear();
}

FileResult IniDocument::load() {
    clear();
    textfile::Read read = textfile::readWhole(m_path);
    if (!read.result)
        return std::move(read.result);
    if (read.bytes.isEmpty())
        return FileResult::success();
    const ansi::DecodedFile decoded = ansi::decodeFile(read.bytes);
    m_encoding = decoded.encoding;
    parse(decoded.text);
    return FileResult::success();
}

// Each line keeps its own line end, so that a rewrite gives back the bytes of every line it
// did not change.
void IniDocument::parse(QStringView text) {
    textlines::forEach(text, [&](textlines::Line line) {
        addLine(text.sliced(line.start, line.length).toString(), line.end);
    });
}

void IniDocument::addLine(QString text, LineEnd end) {
    if (const auto name = headingName(text)) {
        const QString folded = foldedName(*name);
        if (!m_firstSection.contains(folded))
            m_firstSection.insert(folded, m_sections.size());
        m_sections.append(Section{});
    }
    m_sections.last().lines.append(Line{std::move(text), end});
}

QString IniDocument::value(QStringView section, QStringView key) const {
    const auto found = m_firstSection.constFind(foldedName(section));
    if (found == m_firstSection.cend())
        return {};
    const QList<Line>& lines = m_sections[*found].lines;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const auto keyLine = parseKeyLine(lines[i].text);
        if (keyLine && sameName(keyLine->key, key))
            return unquote(keyLine->value).toString();
    }
    return {};
}

FileResult IniDocument::setValue(QStringView section, QStringView key, QStringView value) {
    if (auto reason = unstorableReason(section, key, value))
        return FileResult::failure(m_path, std::move(*reason));
    if (std::optional<QString> why = ansi::cannotHold(value, m_encoding))
        return FileResult::failure(m_path, QStringLiteral("Windows-1252 cannot hold %1").arg(*why));

    const QString stored = quoteForWriting(value);
    const auto found = m_firstSection.constFind(foldedName(section));
    if (found == m_firstSection.cend()) {
        appendSection(section, key.toString() + u'=' + stored);
        m_modified = true;
        return FileResult::success();
    }

    QList<Line>& lines = m_sections[*found].lines;
    qsizetype insertAt = 1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const auto keyLine = parseKeyLine(lines[i].text);
        if (!keyLine)
            continue;
        if (sameName(keyLine->key, key)) {
            // Rewriting a line that already reads as the value could still change its bytes
            // ("k = " becomes "k ="), and a file that cannot be written would report a failure
            // although it holds what was asked for.
            if (unquote(keyLine->value) == value)
                return FileResult::success();
            QString replaced = lines[i].text.left(keyLine->valueStart) + stored;
            lines[i].text = std::move(replaced);
            m_modified = true;
            return FileResult::success();
        }
        insertAt = i + 1;
    }
    if (lines[insertAt - 1].end == LineEnd::None)
        lines[insertAt - 1].end = LineEnd::CrLf;
    lines.insert(insertAt, Line{key.toString() + u'=' + stored, LineEnd::CrLf});
    m_modified = true;
    return FileResult::success();
}

void IniDocument::appendSection(QStringView section, QString keyLine) {
    for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it) {
        if (it->lines.isEmpty())
            continue;
        if (it->lines.last().end == LineEnd::None)
            it->lines.last().end = LineEnd::CrLf;
        break;
    }
    m_firstSection.insert(foldedName(section), m_sections.size());
    m_sections.append(Section{{Line{u'[' + section.toString() + u']', LineEnd::CrLf},
                               Line{std::move(keyLine), LineEnd::CrLf}}});
}

QString IniDocument::toText() const {
    QString text;
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) {
            text += line.text;
            text += textlines::endText(line.end);
        }
    }
    return text;
}

FileResult IniDocument::save() const {
    return textfile::writeWhole(m_path, ansi::encodeFile(toText(), m_encoding));
}

QString ReadINI(QStringView section, QStringView key, const QString& fileName) {
    IniDocument document(fileName);
    if (!document.load())
        return {};
    return document.value(section, key).left(IniReadLimit);
}

FileResult WriteINI(QStringView section, QStringView key, QStringView value,
                    const QString& fileName) {
    return WriteINI(section, {IniValue{key.toString(), value.toString()}}, fileName);
}

FileResult WriteINI(QStringView section, const QList<IniValue>& values, const QString& fileName,
                    ansi::Encoding newFile) {
    IniDocument document(fileName, newFile);
    if (FileResult loaded = document.load(); !loaded)
        return loaded;
    for (const IniValue& entry : values) {
        if (FileResult set = document.setValue(section, entry.key, entry.value); !set)
            return set;
    }
    if (!document.isModified())
        return FileResult::success();
    return document.save();
}
