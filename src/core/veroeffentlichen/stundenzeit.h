#pragma once

#include <optional>
#include <string_view>

namespace orbela {

// A lesson time as the planner types it, free text of the plan: "7.55",
// "07:55", "7:55 Uhr", "7,55" or "8 Uhr". The minutes after midnight, or
// nothing when the text is no time of day.
std::optional<int> uhrzeit_minuten(std::string_view text_1252);

} // namespace orbela
