#include "core/sitzung.h"

#include <cstring>
#include <filesystem>

namespace orbela {

Sitzung::Sitzung(std::string programmpfad)
    : plan_(std::make_unique<plantyp>())
    , programmpfad_(std::move(programmpfad))
{
    std::memset(static_cast<void*>(plan_.get()), 0, sizeof(plantyp));
}

Sitzung::Sitzung()
    : Sitzung(std::filesystem::current_path().string() + "/")
{
}

void Sitzung::markiere_geaendert(const std::string& schluessel)
{
    // Inside an open step every change folds into the step's first one; a
    // change without a key of its own gets one that nothing else carries.
    if (schritt_tiefe_ == 0 || schritt_schluessel_.empty()) {
        std::string eigener = schluessel;
        if (eigener.empty())
            eigener = std::to_string(++schritt_nummer_).insert(0, 1, '#');
        if (schritt_tiefe_ > 0)
            schritt_schluessel_ = eigener;
        verlauf_.aufzeichnen(*plan_, eigener);
    } else {
        verlauf_.aufzeichnen(*plan_, schritt_schluessel_);
    }
    verlauf_geaendert();
}

Sitzung::Schritt::Schritt(Sitzung& sitzung)
    : sitzung_(sitzung)
{
    if (sitzung_.schritt_tiefe_++ == 0)
        sitzung_.schritt_schluessel_.clear();
}

Sitzung::Schritt::~Schritt()
{
    if (--sitzung_.schritt_tiefe_ == 0)
        sitzung_.schritt_schluessel_.clear();
}

void Sitzung::markiere_unveraendert()
{
    verlauf_.als_gespeichert_markieren();
    verlauf_geaendert();
}

void Sitzung::plan_begonnen(bool gespeichert)
{
    verlauf_.beginnen(*plan_, gespeichert);
    verlauf_geaendert();
}

bool Sitzung::rueckgaengig()
{
    const bool getan = verlauf_.rueckgaengig(*plan_);
    verlauf_geaendert();
    return getan;
}

bool Sitzung::wiederholen()
{
    const bool getan = verlauf_.wiederholen(*plan_);
    verlauf_geaendert();
    return getan;
}

void Sitzung::verlauf_geaendert()
{
    geaendert_ = !verlauf_.ist_gespeichert();
    for (const auto& [nummer, rueckruf] : zuhoerer_)
        rueckruf();
}

int Sitzung::bei_aenderung(std::function<void()> rueckruf)
{
    zuhoerer_.emplace_back(++letzter_zuhoerer_, std::move(rueckruf));
    return letzter_zuhoerer_;
}

void Sitzung::abmelden(int nummer)
{
    std::erase_if(zuhoerer_, [nummer](const auto& z) { return z.first == nummer; });
}

} // namespace orbela
