#include "core/strichliste.h"

namespace orbela {

Strichliste::Strichliste()
{
    for (Eintrag& e : eintraege_) {
        e.code.len = 0;
        e.zahl = 0;
    }
}

void Strichliste::zaehle(std::string_view code)
{
    // The search stops at the first entry that holds the code or is still
    // free, and at the last entry without looking at it.
    std::size_t k = 0;
    while (k + 1 < eintraege_.size() && !eintraege_[k].code.empty() && !(eintraege_[k].code == code))
        ++k;
    Eintrag& e = eintraege_[k];
    if (e.code.empty())
        e.code.assign(code);
    ++e.zahl;
}

} // namespace orbela
