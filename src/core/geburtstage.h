#pragma once

#include <string_view>
#include <vector>

#include "core/kartei.h"

namespace orbela {

// A birth date counts for day `tag` of month `monat` when its characters 1-2
// are the day and 4-5 the month, each as two digits ("03.05.1960"). Any other
// form ("3.5.1960") is never matched.
bool geburtstag_am(std::string_view geburtsdatum, int tag, int monat);

// The numbers of the cards born in the month, in day order and, within a day,
// in card order.
std::vector<int> geburtstage_im_monat(const Kartei& kartei, int monat);

} // namespace orbela
