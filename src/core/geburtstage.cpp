#include "core/geburtstage.h"

namespace orbela {

namespace {
bool zwei_ziffern(std::string_view text, int zahl)
{
    return text.size() == 2 && text[0] == static_cast<char>('0' + zahl / 10)
           && text[1] == static_cast<char>('0' + zahl % 10);
}
} // namespace

bool geburtstag_am(std::string_view geburtsdatum, int tag, int monat)
{
    if (geburtsdatum.size() < 5)
        return false;
    return zwei_ziffern(geburtsdatum.substr(0, 2), tag) && zwei_ziffern(geburtsdatum.substr(3, 2), monat);
}

std::vector<int> geburtstage_im_monat(const Kartei& kartei, int monat)
{
    std::vector<int> karten;
    for (int tag = 1; tag <= 31; ++tag) {
        for (int i = 1; i <= kartei.anzahl(); ++i) {
            if (geburtstag_am(kartei.karte_nr(i).geburtsdatum.view(), tag, monat))
                karten.push_back(i);
        }
    }
    return karten;
}

} // namespace orbela
