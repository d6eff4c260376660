#include "ui/schemes.h"

#include "ui/assets/assets.h"

#include <QtGlobal>

namespace schemes {

const std::array<SchemeInfo, 4>& all() {
    static const std::array<SchemeInfo, 4> table{{
        {Scheme::Default, QT_TRANSLATE_NOOP("SettingsWindow", "Default"), u"Default",
         assets::TopDefault, assets::BottomDefault},
        {Scheme::Red, QT_TRANSLATE_NOOP("SettingsWindow", "Red"), u"Red", assets::TopRed,
         assets::BottomRed},
        {Scheme::Black, QT_TRANSLATE_NOOP("SettingsWindow", "Black"), u"Black", assets::TopBlack,
         assets::BottomBlack},
        // The key's spelling is what settings files already hold.
        {Scheme::OrangeCream, QT_TRANSLATE_NOOP("SettingsWindow", "Orange Cream"), u"OrangeCreme",
         assets::TopOrange, assets::BottomOrange},
    }};
    return table;
}

const SchemeInfo& info(Scheme scheme) {
    return all()[static_cast<std::size_t>(scheme)];
}

QString flagText(bool selected) {
    return selected ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> parseFlag(QStringView text) {
    const QStringView word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

} // namespace schemes
