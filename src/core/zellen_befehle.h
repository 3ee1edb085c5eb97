#pragma once

#include "core/plantyp.h"

namespace orbela {

// Empties the six codes; both flags get ' ' with their length bytes kept.
void loesche_zelle(zellentyp& zelle);

} // namespace orbela
