#include "core/ganzzahl.h"

#include <cstdint>

#include "core/fehler.h"

namespace orbela {

int als_ganzzahl(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        throw Fehler::kein_integer(text);
    std::int64_t wert = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9')
            throw Fehler::kein_integer(text);
        wert = wert * 10 + (ch - '0');
        if (wert > 2147483648LL)
            throw Fehler::kein_integer(text);
    }
    if (negativ)
        wert = -wert;
    if (wert > 2147483647LL)
        throw Fehler::kein_integer(text);
    return static_cast<int>(wert);
}

} // namespace orbela
