#include "storage/onelinetext.h"

#include "storage/textlines.h"

QString oneLineText(QStringView text) {
    QString line;
    line.reserve(text.size());
    bool inBreak = false;
    for (const QChar c : text) {
        const bool isBreak = textlines::isBreak(c);
        if (isBreak && !inBreak)
            line += u' ';
        else if (!isBreak)
            line += c;
        inBreak = isBreak;
    }
    return line;
}
