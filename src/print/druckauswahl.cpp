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
    std::vector<std::pair<std::string, std::string>> schluessel;
    schluessel.reserve(codes.size());
    for (std::string& c : codes)
        schluessel.emplace_back(grossbuchstaben_1252(c), std::move(c));
    std::sort(schluessel.begin(), schluessel.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return bytes_kleiner(a.first, b.first);
        return bytes_kleiner(a.second, b.second);
    });
    codes.clear();
    for (auto& [gross, code] : schluessel) {
        if (codes.empty() || codes.back() != code)
            codes.push_back(std::move(code));
    }
}

} // namespace orbela
