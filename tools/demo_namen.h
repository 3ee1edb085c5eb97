#pragma once

#include <string>

namespace orbela {

// The demo school's subject and room name tables, as the files faecherkrz.int
// and raumkrz.int hold them: code=name lines ending in CR LF, Windows-1252.
// They name every subject and room code of the demo plan and a few more.
std::string demo_faecher();
std::string demo_raeume();

} // namespace orbela
