#include "core/beschriftung.h"

#include <array>

namespace orbela {

namespace {
constexpr std::array<std::string_view, 6> kurz = {"Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr std::array<std::string_view, 6> lang = {"Montag", "Dienstag", "Mittwoch",
                                                  "Donnerstag", "Freitag", "Samstag"};
} // namespace

std::string_view tagkurz(int tag)
{
    return (tag >= 1 && tag <= 6) ? kurz[tag - 1] : std::string_view{};
}

std::string_view tagname(int tag)
{
    return (tag >= 1 && tag <= 6) ? lang[tag - 1] : std::string_view{};
}

std::string stunden_label(int stunde, bool stunden_0_8)
{
    return std::to_string(stunden_0_8 ? stunde - 1 : stunde);
}

std::string tag_text(int tag)
{
    return std::string(tagkurz(tag));
}

std::string stunden_text(int stunde, bool stunden_0_8)
{
    return stunden_label(stunde, stunden_0_8) + ". Stunde";
}

std::string klassen_text(std::string_view klasse)
{
    return "Klasse: " + std::string(klasse);
}

} // namespace orbela
