#pragma once

#include <string>
#include <vector>

#include "core/plantyp.h"

namespace orbela {

// Every teacher code that occurs in an occupancy of the week, each once,
// sorted alphabetically without regard to case (codes that differ only in
// case follow each other in byte order). Windows-1252.
std::vector<std::string> lehrer_im_plan(const plantyp& plan);

} // namespace orbela
