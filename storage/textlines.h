#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <type_traits>

// Lines of the text files. CR LF, LF and CR all end a line: files copied through other systems
// or edited by hand keep their text but not always their line ends. A final line end does not
// start another line, so "a\r\n" is one line and "" is none; LF CR is two line ends.
//
// The same rule walks a file's bytes (the session log, too large to decode whole) and decoded
// text (the settings and the project list).
namespace textlines {

enum class LineEnd : quint8 { None, CrLf, Lf, Cr };

struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    // How the line ended in the text; None only for a last line without a line end.
    LineEnd end = LineEnd::None;
};

// Calls line(Line) for every line, empty ones included, in order, without copying the text.
// The text is a QByteArrayView or a QStringView (or what holds one, such as a QByteArray).
template <typename Text, typename LineFunction>
void forEach(const Text& text, LineFunction&& line) {
    using Char = std::remove_cv_t<std::remove_reference_t<decltype(*text.data())>>;
    constexpr Char Cr = Char(u'\r');
    constexpr Char Lf = Char(u'\n');
    const Char* data = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const Char c = data[i];
        if (c != Cr && c != Lf)
            continue;
        LineEnd end = c == Lf ? LineEnd::Lf : LineEnd::Cr;
        const qsizetype length = i - start;
        if (c == Cr && i + 1 < n && data[i + 1] == Lf) {
            end = LineEnd::CrLf;
            ++i;
        }
        line(Line{start, length, end});
        start = i + 1;
    }
    if (start < n)
        line(Line{start, n - start, LineEnd::None});
}

inline bool isBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool hasBreak(QStringView text);

// The lines without their line ends.
QStringList split(QStringView text);

// The text with every line end made CR LF; a text without a final line end gets none.
QString withCrLf(QStringView text);

// The characters of the line end; empty for None.
QStringView endText(LineEnd end);

} // namespace textlines
