#include "storage/ansitext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace ansi {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Qt's converters offer Latin-1 and the
// UTF forms but not this code page without ICU, and the whole difference is this one table.
// The five bytes the code page leaves undefined map to the C1 controls of the same value, as
// the platform's own converter does, so every byte survives a read and write unchanged.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char Unencodable = '?';

char encodeChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < HighTable.size(); ++i) {
        if (HighTable[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return Unencodable;
}

QStringConverter::Encoding unicodeEncoding(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf16LE:
        return QStringConverter::Utf16LE;
    case Encoding::Utf16BE:
        return QStringConverter::Utf16BE;
    case Encoding::Utf8:
    case Encoding::Windows1252:
        break;
    }
    return QStringConverter::Utf8;
}

} // namespace

Encoding detectEncoding(QByteArrayView bytes) {
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        if (bytes.startsWith(byteOrderMark(encoding)))
            return encoding;
    }
    return Encoding::Windows1252;
}

QByteArrayView byteOrderMark(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return "\xEF\xBB\xBF";
    case Encoding::Utf16LE:
        return "\xFF\xFE";
    case Encoding::Utf16BE:
        return "\xFE\xFF";
    case Encoding::Windows1252:
        break;
    }
    return {};
}

DecodedFile decodeFile(QByteArrayView bytes) {
    const Encoding encoding = detectEncoding(bytes);
    if (encoding == Encoding::Windows1252)
        return {decode(bytes), encoding};
    // The mark is taken off here; a second one right after it is a character of the text.
    QStringDecoder decoder(unicodeEncoding(encoding), QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder(bytes.sliced(byteOrderMark(encoding).size()));
    return {std::move(text), encoding};
}

QString decodeAs(QByteArrayView bytes, Encoding encoding) {
    if (encoding == Encoding::Windows1252)
        return decode(bytes);
    QStringDecoder decoder(unicodeEncoding(encoding));
    return decoder(bytes);
}

QByteArray encodeAs(QStringView text, Encoding encoding) {
    if (encoding == Encoding::Windows1252)
        return encode(text);
    QStringEncoder encoder(unicodeEncoding(encoding));
    return encoder(text);
}

QByteArray encodeFile(QStringView text, Encoding encoding) {
    return byteOrderMark(encoding).toByteArray() + encodeAs(text, encoding);
}

Encoding encodingForNewFile(QStringView text) {
    const bool looksMarked =
        detectEncoding(encode(text.first(std::min<qsizetype>(text.size(), 3)))) !=
        Encoding::Windows1252;
    return looksMarked ? Encoding::Utf8 : Encoding::Windows1252;
}

int unitSize(Encoding encoding) {
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE ? 2 : 1;
}

std::optional<QString> cannotHold(QStringView text, Encoding encoding) {
    if (encoding != Encoding::Windows1252)
        return std::nullopt;
    const QList<char32_t> lost = unencodable(text);
    if (lost.isEmpty())
        return std::nullopt;
    // Enough of them to see what went wrong without a message as long as the text.
    constexpr qsizetype Named = 5;
    QStringList named;
    for (const char32_t c : lost.first(std::min(lost.size(), Named))) {
        named.append(QStringLiteral("\"%1\" (U+%2)")
                         .arg(QString::fromUcs4(&c, 1),
                              QString::number(quint32(c), 16).toUpper().rightJustified(4, u'0')));
    }
    if (lost.size() > Named)
        named.append(QStringLiteral("and %1 more").arg(lost.size() - Named));
    return named.join(QStringLiteral(", "));
}

QByteArray encode(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (char32_t c : text.toUcs4())
        out.append(encodeChar(c));
    return out;
}

QList<char32_t> unencodable(QStringView text) {
    QList<char32_t> found;
    // toUcs4() turns a lone surrogate into U+FFFD, which is not held either.
    for (const char32_t c : text.toUcs4()) {
        if (c != U'?' && encodeChar(c) == Unencodable && !found.contains(c))
            found.append(c);
    }
    return found;
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *dst++ = (u >= 0x80 && u < 0xA0) ? QChar(HighTable[u - 0x80]) : QChar(char16_t(u));
    }
    return out;
}

} // namespace ansi
