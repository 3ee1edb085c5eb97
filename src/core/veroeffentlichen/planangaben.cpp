#include "core/veroeffentlichen/planangaben.h"

#include <algorithm>

#include "core/text_1252.h"

namespace orbela {

namespace {

void sortieren_und_einmalig(std::vector<std::string>& codes)
{
    std::sort(codes.begin(), codes.end(), [](const std::string& a, const std::string& b) {
        const std::string ga = grossbuchstaben_1252(a);
        const std::string gb = grossbuchstaben_1252(b);
        return ga != gb ? ga < gb : a < b;
    });
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
}

template <typename Feld>
std::vector<std::string> codes_im_plan(const plantyp& plan, Feld feld)
{
    std::vector<std::string> codes;
    for (int t = 1; t <= anzahl_tage; ++t)
        for (int l = 1; l <= anzahl_stunden; ++l)
            for (int k = 1; k <= belegungen_je_stunde; ++k) {
                const auto& code = feld(plan.belegung(t, l, k));
                if (!code.empty())
                    codes.push_back(code.str());
            }
    sortieren_und_einmalig(codes);
    return codes;
}

std::string klein(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

std::vector<int> klassen_im_plan(const plantyp& plan)
{
    std::vector<int> spalten;
    for (int c = 1; c <= anzahl_klassen; ++c)
        if (!plan.klasse(c).klasse.empty())
            spalten.push_back(c);
    return spalten;
}

std::vector<std::string> lehrer_im_plan(const plantyp& plan)
{
    return codes_im_plan(plan, [](const belegungtyp& b) -> const PString<4>& { return b.lehrer; });
}

std::vector<std::string> raeume_im_plan(const plantyp& plan)
{
    return codes_im_plan(plan, [](const belegungtyp& b) -> const PString<4>& { return b.raum; });
}

std::string ausgabetext(std::string_view text_1252)
{
    std::string sauber(text_1252);
    for (char& c : sauber) {
        const unsigned char b = static_cast<unsigned char>(c);
        const char32_t z = unicode_aus_1252(b);
        if (z < 0x20 || (z >= 0x7F && z <= 0x9F))
            c = '?';
    }
    return utf8_aus_1252(sauber);
}

std::string Dateinamen::vergeben(std::string_view praefix, std::string_view code_1252)
{
    std::string name(praefix);
    for (const char c : code_1252) {
        const unsigned char b = static_cast<unsigned char>(c);
        if ((b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z'))
            name += c;
        else if (b == 0xE4 || b == 0xC4)
            name += b == 0xE4 ? "ae" : "Ae";
        else if (b == 0xF6 || b == 0xD6)
            name += b == 0xF6 ? "oe" : "Oe";
        else if (b == 0xFC || b == 0xDC)
            name += b == 0xFC ? "ue" : "Ue";
        else if (b == 0xDF)
            name += "ss";
        else
            name += '_';
    }
    std::string kandidat = name;
    for (int n = 2; !vergeben_.insert(klein(kandidat)).second; ++n)
        kandidat = name + "-" + std::to_string(n);
    return kandidat;
}

} // namespace orbela
