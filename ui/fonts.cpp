#include "ui/fonts.h"

#include <QFontDatabase>

namespace fonts {

namespace {

const QString MsSansSerif = QStringLiteral("MS Sans Serif");
const QString Arial = QStringLiteral("Arial");

} // namespace

void installSubstitutes() {
    // Fontconfig would pick some sans serif on its own, often a much wider one; naming the
    // metric-compatible family keeps the designed captions inside their controls.
    for (const QString& family : {MsSansSerif, Arial}) {
        if (!QFontDatabase::hasFamily(family))
            QFont::insertSubstitutions(family, SansSubstitutes);
    }
}

QFont standard() {
    QFont font(MsSansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QFont arialBold(qreal pointSize, bool underline) {
    QFont font(Arial);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

} // namespace fonts
