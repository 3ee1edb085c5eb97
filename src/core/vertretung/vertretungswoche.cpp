#include "core/vertretung/vertretungswoche.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/fehler.h"
#include "core/lesedatei.h"
#include "core/vertretung/vtp_datei.h"

namespace orbela {

namespace {

bool ist_vtp(const std::filesystem::path& p)
{
    std::string endung = p.extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return endung == ".vtp";
}

// The plan of one file, or false when it cannot be used.
bool lies_plan(const std::filesystem::path& pfad, Vertretungswoche::Plan& plan)
{
    try {
        Lesedatei datei(pfad.string());
        if (datei.groesse() != vtp_groesse)
            return false;
        unsigned char bytes[vtp_groesse];
        if (datei.lies(bytes, vtp_groesse) != vtp_groesse)
            return false;
        for (int t = 0; t < anzahl_tage; ++t) {
            for (int s = 0; s < anzahl_stunden; ++s) {
                const std::size_t satz = static_cast<std::size_t>(t * anzahl_stunden + s) * sizeof(vertretungtyp);
                std::memcpy(&plan.vertreter[t][s], bytes + satz + offsetof(vertretungtyp, vertreter),
                            sizeof(PString<2>));
            }
        }
        PString<2> abwesender;
        std::memcpy(&abwesender, bytes + 54 * sizeof(vertretungtyp) + offsetof(vertretungtyp, vertreter),
                    sizeof abwesender);
        plan.abwesender = abwesender.str();
        return true;
    } catch (const Fehler&) {
        return false;
    }
}

// Whether a plan settles any lesson of the day (0-based row of substitutes).
bool regelt_tag(const PString<2> (&tag)[anzahl_stunden])
{
    return std::any_of(std::begin(tag), std::end(tag), [](const PString<2>& v) { return !v.empty(); });
}

} // namespace

bool ist_lehrer_vertreter(std::string_view vertreter)
{
    return !vertreter.empty() && vertreter != vertreter_aufgeteilt && vertreter != vertreter_entfaellt;
}

Vertretungswoche lies_vertretungswoche(const std::string& ordner)
{
    Vertretungswoche woche;
    if (ordner.empty())
        return woche;
    std::vector<std::filesystem::path> pfade;
    std::error_code fehler;
    std::filesystem::directory_iterator it(ordner, fehler);
    if (fehler) {
        woche.unlesbar.push_back(ordner);
        return woche;
    }
    for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(fehler)) {
        if (fehler)
            break;
        if (ist_vtp(it->path()))
            pfade.push_back(it->path());
    }
    std::sort(pfade.begin(), pfade.end());
    for (const std::filesystem::path& pfad : pfade) {
        Vertretungswoche::Plan plan{};
        plan.datei = pfad.filename().string();
        if (lies_plan(pfad, plan))
            woche.plaene.push_back(std::move(plan));
        else
            woche.unlesbar.push_back(pfad.filename().string());
    }
    return woche;
}

Vertretungsstand::Vertretungsstand(const Vertretungswoche& woche, const Vertretungsplan& offen)
{
    const auto abwesend_eintragen = [this](const std::string& lehrer, int t) {
        std::vector<std::string>& tag = abwesend_[t - 1];
        if (!lehrer.empty() && std::find(tag.begin(), tag.end(), lehrer) == tag.end())
            tag.push_back(lehrer);
    };
    for (const Vertretungswoche::Plan& plan : woche.plaene) {
        if (!offen.abwesender_lehrer.empty() && plan.abwesender == offen.abwesender_lehrer)
            continue;
        for (int t = 1; t <= anzahl_tage; ++t) {
            if (regelt_tag(plan.vertreter[t - 1]))
                abwesend_eintragen(plan.abwesender, t);
            for (int s = 1; s <= anzahl_stunden; ++s) {
                const std::string_view v = plan.vertreter[t - 1][s - 1].view();
                if (!ist_lehrer_vertreter(v))
                    continue;
                ++zaehlung_[std::string(v)];
                andere_[t - 1][s - 1].push_back({std::string(v), plan.abwesender});
            }
        }
    }
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int s = 1; s <= anzahl_stunden; ++s) {
            const std::string_view v = offen.eintrag(t, s).vertreter.view();
            if (!v.empty())
                abwesend_eintragen(offen.abwesender_lehrer, t);
            if (ist_lehrer_vertreter(v))
                ++zaehlung_[std::string(v)];
        }
    }
}

bool Vertretungsstand::selbst_abwesend(std::string_view lehrer, int tag) const
{
    const std::vector<std::string>& abwesend = abwesend_[tag - 1];
    return std::find(abwesend.begin(), abwesend.end(), lehrer) != abwesend.end();
}

int Vertretungsstand::anzahl(std::string_view lehrer) const
{
    const auto it = zaehlung_.find(lehrer);
    return it == zaehlung_.end() ? 0 : it->second;
}

const std::string* Vertretungsstand::doppelt(std::string_view lehrer, int tag, int stunde) const
{
    for (const Belegung& b : andere_[tag - 1][stunde - 1]) {
        if (b.vertreter == lehrer)
            return &b.abwesender;
    }
    return nullptr;
}

} // namespace orbela
