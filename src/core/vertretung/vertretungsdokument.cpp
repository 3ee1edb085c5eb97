#include "core/vertretung/vertretungsdokument.h"

#include <filesystem>

#include "core/vertretung/vtp_datei.h"

namespace orbela {

namespace {

// The folder holding the file, absolute and without "." or "..".
std::string ordner_von(const std::string& pfad)
{
    std::error_code fehler;
    std::filesystem::path p = std::filesystem::absolute(pfad, fehler);
    if (fehler)
        p = pfad;
    return p.lexically_normal().parent_path().string();
}

} // namespace

void Vertretungsdokument::neu(const plantyp& stundenplan, std::optional<std::string> abwesender)
{
    plan_.alle_leeren();
    if (abwesender)
        plan_.abwesender_lehrer = std::move(*abwesender);
    geaendert_ = false;
    dateiname_.clear();
    woche_ = lies_vertretungswoche(ordner_);
    eintraege_aufbauen(stundenplan);
    melden({Vertretungsaenderung::Art::alles});
}

void Vertretungsdokument::oeffnen(const std::string& pfad, const plantyp& stundenplan)
{
    lade_vertretungen(pfad, plan_);
    geaendert_ = false;
    datei_setzen(pfad);
    eintraege_aufbauen(stundenplan);
    melden({Vertretungsaenderung::Art::alles});
}

void Vertretungsdokument::speichern(const std::string& pfad)
{
    speichere_vertretungen(pfad, plan_);
    geaendert_ = false;
    datei_setzen(pfad);
    melden({Vertretungsaenderung::Art::datei});
}

void Vertretungsdokument::verwerfen(const plantyp& stundenplan)
{
    plan_.alle_leeren();
    geaendert_ = false;
    woche_ = lies_vertretungswoche(ordner_);
    eintraege_aufbauen(stundenplan);
    melden({Vertretungsaenderung::Art::alles});
}

void Vertretungsdokument::wiederherstellen(std::string_view bytes, const std::string& dateiname,
                                           const plantyp& stundenplan)
{
    vertretungen_aus_bytes(bytes, plan_);
    geaendert_ = true;
    dateiname_ = dateiname;
    if (!dateiname_.empty())
        ordner_ = ordner_von(dateiname_);
    woche_ = lies_vertretungswoche(ordner_);
    eintraege_aufbauen(stundenplan);
    melden({Vertretungsaenderung::Art::alles});
}

bool Vertretungsdokument::setze_vertreter(Wochenstunde stunde, std::string_view code)
{
    if (stunde.tag < 1 || stunde.tag > anzahl_tage || stunde.stunde < 1 || stunde.stunde > anzahl_stunden
        || !plan_.zu_vertreten(stunde.tag, stunde.stunde))
        return false;
    plan_.eintrag(stunde.tag, stunde.stunde).vertreter = code;
    geaendert_ = true;
    melden({Vertretungsaenderung::Art::eintrag, stunde});
    return true;
}

GanzerTag Vertretungsdokument::ganzer_tag(int tag, std::string_view vertreter, const plantyp& stundenplan,
                                          const Lehrerliste& liste)
{
    const GanzerTag ergebnis = ganzen_tag_vertreten(plan_, stundenplan, liste, stand(), tag, vertreter);
    if (!ergebnis.eingetragen.empty()) {
        geaendert_ = true;
        melden({Vertretungsaenderung::Art::alles});
    }
    return ergebnis;
}

void Vertretungsdokument::aufbauen(const plantyp& stundenplan)
{
    eintraege_aufbauen(stundenplan);
    melden({Vertretungsaenderung::Art::alles});
}

void Vertretungsdokument::eintraege_aufbauen(const plantyp& stundenplan)
{
    vertretungen_aufbauen(plan_, stundenplan);
}

void Vertretungsdokument::datei_setzen(const std::string& pfad)
{
    dateiname_ = pfad;
    ordner_ = ordner_von(pfad);
    woche_ = lies_vertretungswoche(ordner_);
}

void Vertretungsdokument::melden(const Vertretungsaenderung& aenderung)
{
    // A listener may register or unregister others while it is told.
    const auto beobachter = beobachter_;
    for (const auto& [nummer, b] : beobachter)
        b(aenderung);
}

int Vertretungsdokument::beobachten(Beobachter beobachter)
{
    beobachter_.emplace_back(++naechste_nummer_, std::move(beobachter));
    return naechste_nummer_;
}

void Vertretungsdokument::nicht_mehr_beobachten(int nummer)
{
    std::erase_if(beobachter_, [nummer](const auto& b) { return b.first == nummer; });
}

} // namespace orbela
