#include "core/vertretung/vertretungszettel.h"

#include <map>

#include "core/beschriftung.h"
#include "core/vertretung/vertretungswoche.h"

namespace orbela {

namespace {

std::string zeile(const Vertretungsplan& vp, const plantyp& plan, int tag, int stunde, bool stunden_0_8)
{
    std::string text(tagkurz(tag));
    text += ", " + stunden_label(stunde, stunden_0_8) + ". Stunde";
    const stundentyp& zeit = plan.zeit(stunde);
    if (!zeit.beginn.empty() || !zeit.ende.empty())
        text += " (" + zeit.beginn.str() + "-" + zeit.ende.str() + ")";
    const Unterricht u = unterricht_von(plan, tag, stunde, vp.abwesender_lehrer);
    text += ": Klasse " + u.klasse;
    if (!u.fach.empty())
        text += ", Fach " + u.fach;
    if (!u.raum.empty())
        text += ", Raum " + u.raum;
    text += ", f\xFCr " + vp.abwesender_lehrer;
    return text;
}

} // namespace

std::vector<Vertretungszettel> vertretungszettel(const Vertretungsplan& vp, const plantyp& plan, bool stunden_0_8)
{
    std::map<std::string, std::vector<std::string>> je_vertreter;
    for (int tag = 1; tag <= anzahl_tage; ++tag) {
        for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
            const vertretungtyp& e = vp.eintrag(tag, stunde);
            if (vp.zu_vertreten(tag, stunde) && ist_lehrer_vertreter(e.vertreter.view()))
                je_vertreter[e.vertreter.str()].push_back(zeile(vp, plan, tag, stunde, stunden_0_8));
        }
    }
    std::vector<Vertretungszettel> zettel;
    for (auto& [vertreter, zeilen] : je_vertreter)
        zettel.push_back({vertreter, std::move(zeilen)});
    return zettel;
}

std::string zettel_kopf(const Vertretungszettel& zettel)
{
    return "Vertretungszettel f\xFCr " + zettel.vertreter;
}

std::string zettel_als_text(const std::vector<Vertretungszettel>& zettel)
{
    std::string text;
    for (const Vertretungszettel& z : zettel) {
        if (!text.empty())
            text += '\n';
        text += zettel_kopf(z) + '\n';
        for (const std::string& zeile : z.zeilen)
            text += zeile + '\n';
    }
    return text;
}

} // namespace orbela
