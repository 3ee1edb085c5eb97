#include "core/veroeffentlichen/stundenzeit.h"

#include "core/text_1252.h"

namespace orbela {

namespace {

std::string_view ohne_leerraum(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool ist_ziffer(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int> uhrzeit_minuten(std::string_view text)
{
    text = ohne_leerraum(text);
    if (text.size() >= 3 && gleich_ohne_gross_klein(text.substr(text.size() - 3), "Uhr"))
        text = ohne_leerraum(text.substr(0, text.size() - 3));

    std::size_t i = 0;
    int stunde = 0;
    while (i < text.size() && i < 2 && ist_ziffer(text[i]))
        stunde = stunde * 10 + (text[i++] - '0');
    if (i == 0)
        return std::nullopt;
    int minute = 0;
    if (i < text.size()) {
        if (text[i] != ':' && text[i] != '.' && text[i] != ',')
            return std::nullopt;
        if (text.size() != i + 3 || !ist_ziffer(text[i + 1]) || !ist_ziffer(text[i + 2]))
            return std::nullopt;
        minute = (text[i + 1] - '0') * 10 + (text[i + 2] - '0');
    }
    if (stunde > 23 || minute > 59)
        return std::nullopt;
    return stunde * 60 + minute;
}

} // namespace orbela
