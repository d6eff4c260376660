#pragma once

#include "tallyhawk/version.h"

#include <QStringView>

// Who makes the program and how to reach them, as the About window shows it.
namespace vendor {

inline constexpr QStringView Credit =
    u"Tallyhawk " TALLYHAWK_VERSION_TEXT ", the project time tracker, made by "
    u"Example Software";
inline constexpr QStringView WebPage = u"https://www.example.com/tallyhawk";
inline constexpr QStringView WebSiteName = u"www.example.com/tallyhawk";
inline constexpr QStringView Email = u"tallyhawk@example.com";

} // namespace vendor
