#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/plantyp.h"

namespace orbela {

// The teaching distribution of the plan for the school statistics: one
// semicolon-separated line per course of a class (subject, teacher, weekly
// lessons, whole class or divided/combined course), with the further
// classes of a combined course on lines of their own.

// Gives the statistics code of the card carrying a teacher's plan code, or
// an empty text when no card carries it. Both texts are Windows-1252.
using Statistikkuerzel = std::function<std::string(std::string_view kuerzel)>;

inline constexpr std::string_view uvd_dateiname = "uvd.txt";

// The whole file content: Windows-1252, every line ending in CR LF, the
// header line first. A class name, subject or statistics code that is
// written and holds a '"', ';', CR or LF would shift the columns; such a
// plan is refused with Fehler naming day, lesson and class of the first.
std::string uvd_inhalt(const plantyp& plan, const Statistikkuerzel& statistikkuerzel);

// Writes the content as `programmpfad` + "uvd.txt". The file is replaced
// only when complete: a failed or refused export throws Fehler and leaves
// the previous file as it was.
void exportiere_uvd(const std::string& programmpfad, const plantyp& plan,
                    const Statistikkuerzel& statistikkuerzel);

} // namespace orbela
