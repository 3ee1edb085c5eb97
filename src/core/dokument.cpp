#include "core/dokument.h"

#include <cstring>
#include <utility>

#include "core/lehrer_ersetzen.h"
#include "core/plan_datei.h"
#include "core/zellen_befehle.h"

namespace orbela {

namespace {

PString<4>& code_in(zellentyp& z, Codefeld feld)
{
    const int n = static_cast<int>(feld);
    belegungtyp& b = n < 3 ? z.erste : z.zweite;
    switch (n % 3) {
    case 0:
        return b.lehrer;
    case 1:
        return b.fach;
    default:
        return b.raum;
    }
}

PString<4>& feld_in(klassentyp& k, Klassenfeld feld)
{
    switch (feld) {
    case Klassenfeld::klasse:
        return k.klasse;
    case Klassenfeld::klassenlehrer:
        return k.klassenlehrer;
    case Klassenfeld::klassenraum:
        return k.klassenraum;
    case Klassenfeld::wochenstunden:
        break;
    }
    return k.wochenstunden;
}

// Writes the text into the field; true when that changed it.
template <std::size_t N>
bool uebernehmen(PString<N>& feld, std::string_view text)
{
    const PString<N> vorher = feld;
    feld.assign(text);
    return !(feld == vorher);
}

bool gleich(const zellentyp& a, const zellentyp& b)
{
    return std::memcmp(&a, &b, sizeof(zellentyp)) == 0;
}

} // namespace

Dokument::Dokument()
    : plan_(std::make_unique<plantyp>())
{
    std::memset(static_cast<void*>(plan_.get()), 0, sizeof(plantyp));
}

Dokument::~Dokument() = default;

zellentyp& Dokument::zelle(Zellort ort)
{
    return plan_->zelle(ort.tag, ort.stunde, ort.klasse);
}

// --- the plan as a whole

void Dokument::beginnen(const plantyp& plan, std::string dateiname, bool gespeichert)
{
    if (&plan != plan_.get())
        *plan_ = plan;
    kein_plan_ = false;
    dateiname_ = std::move(dateiname);
    verlauf_.beginnen(*plan_, gespeichert);
    geaendert_ = !gespeichert;
    melden({Aenderung::Art::neuer_plan});
}

void Dokument::speichern()
{
    speichere_plan(dateiname_, *plan_);
    verlauf_.als_gespeichert_markieren();
    geaendert_ = false;
    melden({Aenderung::Art::datei});
}

void Dokument::speichern_unter(const std::string& pfad)
{
    speichere_plan(pfad, *plan_);
    dateiname_ = pfad;
    verlauf_.als_gespeichert_markieren();
    geaendert_ = false;
    melden({Aenderung::Art::datei});
}

bool Dokument::rueckgaengig()
{
    return verlauf_gegangen(verlauf_.rueckgaengig(*plan_));
}

bool Dokument::wiederholen()
{
    return verlauf_gegangen(verlauf_.wiederholen(*plan_));
}

bool Dokument::verlauf_gegangen(bool getan)
{
    if (getan) {
        geaendert_ = !verlauf_.ist_gespeichert();
        melden({Aenderung::Art::alles});
    }
    return getan;
}

// --- edits

bool Dokument::setze_code(Zellort ort, Codefeld feld, std::string_view text)
{
    if (!uebernehmen(code_in(zelle(ort), feld), text))
        return false;
    geaendert_durch({Aenderung::Art::zelle, ort},
                    {Faltschluessel::Art::code, ort.tag, ort.stunde, ort.klasse, static_cast<int>(feld)});
    return true;
}

bool Dokument::setze_klassenfeld(int klasse, Klassenfeld feld, std::string_view text)
{
    if (!uebernehmen(feld_in(plan_->klasse(klasse), feld), text))
        return false;
    geaendert_durch({Aenderung::Art::klasse, {0, 0, klasse}},
                    {Faltschluessel::Art::klassenfeld, 0, 0, klasse, static_cast<int>(feld)});
    return true;
}

bool Dokument::setze_zeit(int stunde, Zeitfeld feld, std::string_view text)
{
    stundentyp& z = plan_->zeit(stunde);
    if (!uebernehmen(feld == Zeitfeld::beginn ? z.beginn : z.ende, text))
        return false;
    geaendert_durch({Aenderung::Art::stunde, {0, stunde, 0}},
                    {Faltschluessel::Art::zeit, 0, stunde, 0, static_cast<int>(feld)});
    return true;
}

void Dokument::spalte_einfuegen(int klasse)
{
    orbela::spalte_einfuegen(*plan_, klasse);
    geaendert_durch({Aenderung::Art::alles});
}

void Dokument::spalte_loeschen(int klasse)
{
    orbela::spalte_loeschen(*plan_, klasse);
    geaendert_durch({Aenderung::Art::alles});
}

Fuellergebnis Dokument::automatisch_fuellen(int klasse)
{
    const Fuellergebnis ergebnis = klasse_automatisch_fuellen(*plan_, klasse);
    geaendert_durch({Aenderung::Art::alles});
    return ergebnis;
}

int Dokument::lehrer_ersetzen(std::string_view alt, std::string_view neu)
{
    const int anzahl = orbela::lehrer_ersetzen(*plan_, alt, neu);
    if (anzahl > 0)
        geaendert_durch({Aenderung::Art::alles});
    return anzahl;
}

bool Dokument::setze_verzichtbar(Zellort ort, bool zweite, char zeichen)
{
    zellentyp& z = zelle(ort);
    belegungtyp& b = zweite && z.ist_doppelt() ? z.zweite : z.erste;
    if (b.verzichtbar.data[0] == zeichen)
        return false;
    b.setze_verzichtbar(zeichen);
    geaendert_durch({Aenderung::Art::zelle, ort});
    return true;
}

bool Dokument::loesche_zelle(Zellort ort)
{
    zellentyp& z = zelle(ort);
    const zellentyp vorher = z;
    orbela::loesche_zelle(z);
    if (gleich(z, vorher))
        return false;
    geaendert_durch({Aenderung::Art::zelle, ort});
    return true;
}

bool Dokument::verschiebe(Zellort von, Zellort nach)
{
    if (von == nach)
        return false;
    const Schritt schritt(*this);
    const bool kopiert = kopiere(von, nach);
    return loesche_zelle(von) || kopiert;
}

bool Dokument::tausche(Zellort a, Zellort b)
{
    if (a == b || gleich(zelle(a), zelle(b)))
        return false;
    std::swap(zelle(a), zelle(b));
    const Schritt schritt(*this);
    geaendert_durch({Aenderung::Art::zelle, a});
    geaendert_durch({Aenderung::Art::zelle, b});
    return true;
}

bool Dokument::tausche_kette(const std::vector<Tausch>& kette)
{
    const Schritt schritt(*this);
    bool geaendert = false;
    for (const Tausch& t : kette)
        geaendert = tausche(t.von, t.nach) || geaendert;
    return geaendert;
}

bool Dokument::kopiere(Zellort von, Zellort nach)
{
    if (gleich(zelle(von), zelle(nach)))
        return false;
    zelle(nach) = zelle(von);
    geaendert_durch({Aenderung::Art::zelle, nach});
    return true;
}

// --- undo steps and listeners

Dokument::Schritt::Schritt(Dokument& dokument, Art art)
    : dokument_(dokument)
{
    if (dokument_.schritt_tiefe_++ == 0) {
        dokument_.schritt_schluessel_ = {};
        dokument_.schritt_befehl_ = false;
        dokument_.verlauf_.schritt_beginnen();
    }
    if (art == Art::befehl)
        dokument_.schritt_befehl_ = true;
}

Dokument::Schritt::~Schritt()
{
    if (--dokument_.schritt_tiefe_ == 0) {
        dokument_.schritt_schluessel_ = {};
        dokument_.schritt_befehl_ = false;
    }
}

void Dokument::geaendert_durch(const Aenderung& aenderung, const Faltschluessel& schluessel)
{
    // Inside an open step, changes of one field of one cell keep that
    // field's key, so keystrokes fold. A command, a change without a key or
    // a second field, cell or record makes the step one of its own under a
    // key nothing else carries, split off from the typing its first change
    // had folded into.
    Faltschluessel eigener = schluessel;
    if (schritt_tiefe_ > 0) {
        const bool erste = schritt_schluessel_.art == Faltschluessel::Art::keiner;
        const bool ein_feld = !schritt_befehl_ && schluessel.art != Faltschluessel::Art::keiner
                              && (erste || schluessel == schritt_schluessel_);
        if (ein_feld) {
            schritt_schluessel_ = schluessel;
        } else if (schritt_schluessel_.art != Faltschluessel::Art::befehl) {
            schritt_schluessel_ = {.art = Faltschluessel::Art::befehl, .befehl = ++befehl_nummer_};
            if (!erste)
                verlauf_.abspalten(schritt_schluessel_);
        }
        eigener = schritt_schluessel_;
    }
    verlauf_.aufzeichnen(*plan_, eigener);
    geaendert_ = !verlauf_.ist_gespeichert();
    melden(aenderung);
}

void Dokument::melden(const Aenderung& aenderung)
{
    // A listener may register or unregister others while it is told.
    const auto beobachter = beobachter_;
    for (const auto& [nummer, b] : beobachter)
        b(aenderung);
}

int Dokument::beobachten(Beobachter beobachter)
{
    beobachter_.emplace_back(++naechste_nummer_, std::move(beobachter));
    return naechste_nummer_;
}

void Dokument::nicht_mehr_beobachten(int nummer)
{
    std::erase_if(beobachter_, [nummer](const auto& b) { return b.first == nummer; });
}

} // namespace orbela
