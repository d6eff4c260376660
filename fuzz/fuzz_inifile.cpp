// The settings file reader and writer on arbitrary file content and names: reading never
// fails on content, a value written reads back as written, the write changes only the line of
// its key (or adds the key, or the section and the key) and leaves every other line, the file
// keeps its encoding, and a second write of the same value changes nothing. The same content
// saved as UTF-16 reads and is written alike.
#include "fuzzcheck.h"
#include "scratchfolder.h"

#include "storage/ansitext.h"
#include "storage/inifile.h"
#include "storage/textlines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

QString takeText(FuzzedDataProvider& input, std::size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return ansi::decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

bool hasLineBreak(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

// Names made of letters, digits and inner spaces are always accepted.
bool isPlainName(QStringView name) {
    if (name.isEmpty() || name.front() == u' ' || name.back() == u' ')
        return false;
    for (QChar c : name) {
        if (!c.isLetterOrNumber() && c != u' ')
            return false;
    }
    return true;
}

// Lines of the old and the new file differ in one stretch: at most one old line (the key's)
// gave way to at most two new ones (the key's, or a new heading and its key).
void checkOnlyOneStretchChanged(const QByteArray& before, const QByteArray& after) {
    const QStringList oldLines = textlines::split(ansi::decodeFile(before).text);
    const QStringList newLines = textlines::split(ansi::decodeFile(after).text);
    qsizetype prefix = 0;
    while (prefix < oldLines.size() && prefix < newLines.size() &&
           oldLines[prefix] == newLines[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < oldLines.size() - prefix && suffix < newLines.size() - prefix &&
           oldLines[oldLines.size() - 1 - suffix] == newLines[newLines.size() - 1 - suffix])
        ++suffix;
    FUZZ_CHECK(oldLines.size() - prefix - suffix <= 1);
    FUZZ_CHECK(newLines.size() - prefix - suffix <= 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = takeText(input, 24);
    const QString key = takeText(input, 24);
    const QString value = takeText(input, 300);
    const std::vector<char> rest = input.ConsumeRemainingBytes<char>();
    const QByteArray before(rest.data(), qsizetype(rest.size()));

    const QString path = scratch::path(QStringLiteral("Settings.ini"));
    scratch::writeFile(path, before);

    IniDocument document(path);
    FUZZ_CHECK(document.load().ok());
    FUZZ_CHECK(ReadINI(section, key, path) == document.value(section, key).left(IniReadLimit));

    const FileResult written = WriteINI(section, key, value, path);
    const QByteArray after = scratch::readFile(path);
    if (!written.ok()) {
        FUZZ_CHECK(hasLineBreak(value) || !isPlainName(section) || !isPlainName(key));
        FUZZ_CHECK(after == before);
        return 0;
    }

    FUZZ_CHECK(document.load().ok());
    FUZZ_CHECK(document.value(section, key) == value);
    FUZZ_CHECK(ReadINI(section, key, path) == value.left(IniReadLimit));
    checkOnlyOneStretchChanged(before, after);
    FUZZ_CHECK(ansi::detectEncoding(after) == ansi::detectEncoding(before));

    // Writing the same value again changes nothing.
    FUZZ_CHECK(WriteINI(section, key, value, path).ok());
    FUZZ_CHECK(scratch::readFile(path) == after);

    // The same text saved as UTF-16 reads the same and is written the same, in UTF-16.
    if (ansi::detectEncoding(before) == ansi::Encoding::Windows1252) {
        const auto unicode = [](const QByteArray& ansiBytes) {
            return ansi::encodeFile(ansi::decode(ansiBytes), ansi::Encoding::Utf16LE);
        };
        scratch::writeFile(path, unicode(before));
        FUZZ_CHECK(WriteINI(section, key, value, path).ok());
        FUZZ_CHECK(scratch::readFile(path) == unicode(after));
        FUZZ_CHECK(ReadINI(section, key, path) == value.left(IniReadLimit));
    }
    return 0;
}
