#include "storage/textlines.h"

#include <algorithm>

namespace textlines {

bool hasBreak(QStringView text) {
    return std::any_of(text.begin(), text.end(), isBreak);
}

QStringList split(QStringView text) {
    QStringList lines;
    forEach(text,
            [&](Line line) { lines.append(text.sliced(line.start, line.length).toString()); });
    return lines;
}

QString withCrLf(QStringView text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    forEach(text, [&](Line line) {
        out += text.sliced(line.start, line.length);
        if (line.end != LineEnd::None)
            out += endText(LineEnd::CrLf);
    });
    return out;
}

QStringView endText(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf:
        return u"\r\n";
    case LineEnd::Lf:
        return u"\n";
    case LineEnd::Cr:
        return u"\r";
    case LineEnd::None:
        break;
    }
    return {};
}

} // namespace textlines
