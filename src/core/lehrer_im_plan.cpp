#include "core/lehrer_im_plan.h"

#include <algorithm>

namespace orbela {

namespace {

// Lower case of a Windows-1252 byte: ASCII and the accented capitals.
unsigned char klein(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

bool vor(const std::string& a, const std::string& b)
{
    const auto ohne_fall = [](char x, char y) {
        return klein(static_cast<unsigned char>(x)) < klein(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), ohne_fall))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), ohne_fall))
        return false;
    return a < b;
}

} // namespace

std::vector<std::string> lehrer_im_plan(const plantyp& plan)
{
    std::vector<std::string> codes;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s) {
            for (int k = 1; k <= belegungen_je_stunde; ++k) {
                const auto& lehrer = plan.belegung(t, s, k).lehrer;
                if (!lehrer.empty())
                    codes.push_back(lehrer.str());
            }
        }
    }
    std::sort(codes.begin(), codes.end(), vor);
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

} // namespace orbela
