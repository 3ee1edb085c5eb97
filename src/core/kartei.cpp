#include "core/kartei.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

#include "core/alte_karten.h"
#include "core/satz_datei.h"
#include "core/sichere_datei.h"

namespace orbela {

namespace {

// Surname order: byte values compared unsigned, case-sensitive, a prefix
// before the longer name; so umlauts sort after 'z'.
bool nachname_vor(const kartentyp& a, const kartentyp& b)
{
    const std::string_view x = a.nachname.view();
    const std::string_view y = b.nachname.view();
    const std::size_t n = std::min(x.size(), y.size());
    const int c = n == 0 ? 0 : std::memcmp(x.data(), y.data(), n);
    return c < 0 || (c == 0 && x.size() < y.size());
}

void leere_karte(kartentyp& karte)
{
    std::memset(static_cast<void*>(&karte), 0, sizeof karte);
}

} // namespace

Kartei::Kartei()
{
    leere_karte(karte);
}

const kartentyp& Kartei::karte_nr(int i) const
{
    assert(i >= 1 && i <= anzahl());
    return *karten_[static_cast<std::size_t>(i - 1)];
}

void Kartei::lade_karte()
{
    if (position_ >= 1 && position_ <= anzahl())
        karte = *karten_[static_cast<std::size_t>(position_ - 1)];
}

void Kartei::erster()
{
    if (karten_.empty()) {
        position_ = 0;
        leeren();
        return;
    }
    position_ = 1;
    lade_karte();
}

void Kartei::naechster()
{
    if (anzahl() > position_)
        ++position_;
    lade_karte();
}

void Kartei::vorheriger()
{
    if (position_ > 1)
        --position_;
    lade_karte();
}

void Kartei::gehe_zu(int i)
{
    if (i < 1 || i > anzahl())
        return;
    position_ = i;
    lade_karte();
}

void Kartei::einfuegen()
{
    // Before the first card whose surname is not smaller: among equal
    // surnames the card inserted last comes first.
    const auto stelle = std::lower_bound(
        karten_.begin(), karten_.end(), karte,
        [](const std::unique_ptr<kartentyp>& k, const kartentyp& neu) { return nachname_vor(*k, neu); });
    const auto neu = karten_.insert(stelle, std::make_unique<kartentyp>(karte));
    position_ = static_cast<int>(neu - karten_.begin()) + 1;
}

void Kartei::loeschen()
{
    if (position_ < 1 || position_ > anzahl())
        return;
    karten_.erase(karten_.begin() + (position_ - 1));
    if (position_ > anzahl())
        position_ = anzahl();
    lade_karte();
}

void Kartei::einsortieren()
{
    // A surname that still lies between its neighbours keeps the card where
    // it is; re-inserting it would move it before the first card of equal
    // surname, and stepping through two equal surnames would swap them for
    // ever.
    if (position_ >= 1 && position_ <= anzahl()) {
        const auto i = static_cast<std::size_t>(position_ - 1);
        const bool nach_vorgaenger = i == 0 || !nachname_vor(karte, *karten_[i - 1]);
        const bool vor_nachfolger = i + 1 == karten_.size() || !nachname_vor(*karten_[i + 1], karte);
        if (nach_vorgaenger && vor_nachfolger) {
            *karten_[i] = karte;
            return;
        }
    }
    const kartentyp kopie = karte;
    loeschen();
    karte = kopie;
    einfuegen();
}

void Kartei::leeren()
{
    leere_karte(karte);
}

void Kartei::alle_loeschen()
{
    if (!karten_.empty())
        karte = *karten_.back();
    karten_.clear();
    position_ = 0;
}

void Kartei::lies_kartei(const std::string& dateiname)
{
    lies_saetze(dateiname, karten_groesse, [this](std::span<const unsigned char> satz) {
        std::memcpy(static_cast<void*>(&karte), satz.data(), karten_groesse);
        einfuegen();
    }, hoechstzahl_karten);
}

void Kartei::lies_lehrdat(const std::string& dateiname)
{
    lies_saetze(dateiname, lehrdat_satzlaenge, [this](std::span<const unsigned char> satz) {
        leeren();
        uebernimm_lehrdat(satz, karte);
        einfuegen();
    }, hoechstzahl_karten);
}

void Kartei::lies_lehrer(const std::string& dateiname)
{
    lies_saetze(dateiname, lehrer_satzlaenge, [this](std::span<const unsigned char> satz) {
        leeren();
        uebernimm_lehrer(satz, karte);
        einfuegen();
    }, hoechstzahl_karten);
}

void Kartei::schreibe_kartei(const std::string& dateiname)
{
    std::string inhalt;
    inhalt.reserve(karten_.size() * karten_groesse);
    for (const auto& k : karten_)
        inhalt.append(reinterpret_cast<const char*>(k.get()), karten_groesse);
    schreibe_datei_sicher(dateiname, inhalt);
    // As after any walk through the index, the working card ends as a copy
    // of the current card; unstored changes to it are dropped.
    lade_karte();
}

} // namespace orbela
