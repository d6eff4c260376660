// Text decoding of every data file: any bytes decode and encode back to themselves, any text
// encodes to one byte per character, line splitting loses nothing but the line ends, and text
// saved in a Unicode encoding with its byte-order mark reads back as itself in that encoding.
#include "fuzzcheck.h"

#include "storage/ansitext.h"
#include "storage/textlines.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void checkBytesRoundTrip(QByteArrayView bytes) {
    const QString text = ansi::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(ansi::encode(text) == bytes);
}

// Every character the code page holds comes back as itself, every other one as '?'.
void checkTextEncoding(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    const QByteArray bytes = ansi::encode(text);
    FUZZ_CHECK(bytes.size() == codePoints.size());
    const QString back = ansi::decode(bytes);
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const uint original = codePoints[i];
        const char16_t decoded = back[i].unicode();
        FUZZ_CHECK(decoded == original || decoded == u'?');
        if (original < 0x80)
            FUZZ_CHECK(decoded == original);
    }
    FUZZ_CHECK(ansi::encode(back) == bytes);
}

// Joining the lines with LF gives the text with every line end made LF, less a final one; the
// text with CR LF line ends is the same with CR LF for LF.
void checkSplitLines(const QString& text) {
    const QStringList lines = textlines::split(text);
    for (const QString& line : lines)
        FUZZ_CHECK(!textlines::hasBreak(line));

    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    QString joined = lines.join(u'\n');
    if (normalised.endsWith(u'\n'))
        joined += u'\n';
    FUZZ_CHECK(joined == normalised);

    normalised.replace(u'\n', QStringLiteral("\r\n"));
    FUZZ_CHECK(textlines::withCrLf(text) == normalised);

    // The bytes of a Windows-1252 file split into the same lines as its text.
    const QByteArray bytes = ansi::encode(text);
    if (bytes.size() == text.size()) {
        qsizetype count = 0;
        textlines::forEach(bytes, [&](textlines::Line line) {
            FUZZ_CHECK(count < lines.size());
            FUZZ_CHECK(ansi::decode(QByteArrayView(bytes).sliced(line.start, line.length)) ==
                       ansi::decode(ansi::encode(lines[count])));
            ++count;
        });
        FUZZ_CHECK(count == lines.size());
    }
}

void checkUnicodeFiles(const QString& text) {
    for (const ansi::Encoding encoding :
         {ansi::Encoding::Utf8, ansi::Encoding::Utf16LE, ansi::Encoding::Utf16BE}) {
        const ansi::DecodedFile decoded = ansi::decodeFile(ansi::encodeFile(text, encoding));
        FUZZ_CHECK(decoded.encoding == encoding);
        FUZZ_CHECK(decoded.text == text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    checkBytesRoundTrip(bytes);
    checkSplitLines(ansi::decode(bytes));
    checkUnicodeFiles(ansi::decode(bytes));

    // The same bytes read as UTF-16, for text that did not come from a file: surrogates,
    // unpaired ones included, and characters far outside the code page.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * sizeof(QChar));
    checkTextEncoding(text);
    checkSplitLines(text);
    return 0;
}
