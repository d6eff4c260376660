#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The four colour schemes. A scheme is nothing but the pair of pictures that the main window
// shows above and below; the settings file remembers which one was chosen.
namespace schemes {

enum class Scheme { Default, Red, Black, OrangeCream };

struct SchemeInfo {
    Scheme scheme;
    const char* caption; // the option button's caption, before translation
    QStringView key;     // the flag's key in the settings file's "ColorScheme" section
    QString top;         // resource path of the upper picture
    QString bottom;      // resource path of the lower picture
};

// The darkest colour that any scheme's pictures show under a text of the main window (the foot
// of Orange Cream's lower panel). Texts drawn over the pictures are made to read on it, so they
// read on every scheme.
inline constexpr QColor DarkestPanel{0xfe, 0xcf, 0x97};

// In the order of the Settings window's option buttons.
const std::array<SchemeInfo, 4>& all();

const SchemeInfo& info(Scheme scheme);

// The order in which the four flags are written whenever a scheme is chosen.
inline constexpr std::array<Scheme, 4> SaveOrder{Scheme::Black, Scheme::Default,
                                                 Scheme::OrangeCream, Scheme::Red};

// The order in which start-up reads the flags; the first one that reads "True" wins.
inline constexpr std::array<Scheme, 4> RestoreOrder{Scheme::Default, Scheme::OrangeCream,
                                                    Scheme::Red, Scheme::Black};

// A flag as written: "True" or "False".
QString flagText(bool selected);

// A flag as read back. Letter case and surrounding blanks do not matter, as for a hand-edited
// file; any other text, the empty text included, is not a flag.
std::optional<bool> parseFlag(QStringView text);

} // namespace schemes
