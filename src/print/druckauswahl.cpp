#include "print/druckauswahl.h"

#include <algorithm>

#include "core/beschriftung.h"
#include "core/text_1252.h"

namespace orbela {

namespace {

bool bytes_kleiner(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

// The alphabetical key of a code: upper case, letters with umlauts and
// accents sorted with their base letter ("Öz" between "Ob" and "Pa").
std::string sortierschluessel(std::string_view code)
{
    // Base letters of the Windows-1252 capitals 0xC0..0xDF.
    static constexpr std::string_view basis[32] = {"A", "A", "A", "A", "A",  "A", "AE", "C", "E", "E", "E",
                                                   "E", "I", "I", "I", "I",  "D", "N",  "O", "O", "O", "O",
                                                   "O", "",  "O", "U", "U",  "U", "U",  "Y", "TH", "SS"};
    std::string schluessel;
    for (char ch : grossbuchstaben_1252(code)) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0xC0 && b != 0xD7 && b <= 0xDF)
            schluessel += basis[b - 0xC0];
        else
            schluessel += ch;
    }
    return schluessel;
}

template <typename Feld>
std::vector<std::string> codes(const plantyp& plan, Feld feld)
{
    std::vector<std::string> aus;
    for (int d = 1; d <= anzahl_tage; ++d) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int c = 1; c <= anzahl_klassen; ++c) {
                const zellentyp& z = plan.zelle(d, l, c);
                for (const belegungtyp* b : {&z.erste, &z.zweite}) {
                    if (!(b->*feld).empty())
                        aus.push_back((b->*feld).str());
                }
            }
        }
    }
    sortieren_ohne_doppelte(aus);
    return aus;
}

} // namespace

std::vector<std::string> auswahl_tage()
{
    std::vector<std::string> aus;
    for (int d = 1; d <= anzahl_tage; ++d)
        aus.emplace_back(tagkurz(d));
    return aus;
}

std::vector<std::string> auswahl_klassen(const plantyp& plan)
{
    std::vector<std::string> aus;
    for (int c = 1; c <= anzahl_klassen; ++c) {
        if (!plan.klasse(c).klasse.empty())
            aus.push_back(plan.klasse(c).klasse.str());
    }
    return aus;
}

int klasse_an_position(const plantyp& plan, int p)
{
    for (int c = 1; c <= anzahl_klassen; ++c) {
        if (!plan.klasse(c).klasse.empty() && p-- == 0)
            return c;
    }
    return 0;
}

std::vector<std::string> auswahl_lehrer(const plantyp& plan)
{
    return codes(plan, &belegungtyp::lehrer);
}

std::vector<std::string> auswahl_raeume(const plantyp& plan)
{
    return codes(plan, &belegungtyp::raum);
}

void sortieren_ohne_doppelte(std::vector<std::string>& codes)
{
    struct Eintrag {
        std::string alphabetisch;
        std::string gross;
        std::string code;
    };
    std::vector<Eintrag> eintraege;
    eintraege.reserve(codes.size());
    for (std::string& c : codes)
        eintraege.push_back({sortierschluessel(c), grossbuchstaben_1252(c), std::move(c)});
    std::sort(eintraege.begin(), eintraege.end(), [](const Eintrag& a, const Eintrag& b) {
        if (a.alphabetisch != b.alphabetisch)
            return bytes_kleiner(a.alphabetisch, b.alphabetisch);
        if (a.gross != b.gross)
            return bytes_kleiner(a.gross, b.gross);
        return bytes_kleiner(a.code, b.code);
    });
    codes.clear();
    for (auto& [alphabetisch, gross, code] : eintraege) {
        if (codes.empty() || codes.back() != code)
            codes.push_back(std::move(code));
    }
}

} // namespace orbela
