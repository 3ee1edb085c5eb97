#include "print/text_kuerzen.h"

namespace orbela {

std::string_view auf_breite_gekuerzt(Canvas& c, std::string_view text, int max_breite)
{
    while (text.size() >= 2 && c.text_breite(text) > max_breite)
        text.remove_suffix(1);
    return text;
}

} // namespace orbela
