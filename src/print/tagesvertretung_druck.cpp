#include "print/tagesvertretung_druck.h"

#include <algorithm>
#include <vector>

#include "core/beschriftung.h"
#include "core/vertretung/aushang.h"
#include "print/druckseite.h"
#include "print/text_kuerzen.h"

namespace orbela {

namespace {

constexpr int rand_links = 15;
constexpr int rand_rechts = 785;
constexpr int kopf_y = 15;
constexpr int inhalt_y = 80;
constexpr int zeilenhoehe = 28;
constexpr int seitenende = 1020; // the foot lines are below
constexpr int fuss_y = 1050;
constexpr int textgroesse = 12;
constexpr int art_x = 650; // "Aushang", "Lehrerzimmer" at the top right

struct Spalte {
    int x;
    const char* titel;
};

// A list over as many pages as it needs: heading on every page, the column
// titles on every page once the table has begun, the foot on every page.
class Listenblatt {
public:
    Listenblatt(Druckauftrag& auftrag, std::string titel, std::string art, std::string stand,
                std::vector<Spalte> spalten)
        : s_(auftrag, Ausrichtung::hochformat)
        , titel_(std::move(titel))
        , art_(std::move(art))
        , stand_(std::move(stand))
        , spalten_(std::move(spalten))
    {
        kopf();
    }

    // A line of text across the page, wrapped at the right margin.
    void absatz(std::string_view marke, std::string_view text)
    {
        s_.schriftgroesse(textgroesse);
        Canvas& c = s_.canvas();
        c.setze_schrift_fett(true);
        const int marke_breite = c.text_breite(marke);
        c.setze_schrift_fett(false);
        const int x_text = s_.x(rand_links) + marke_breite + c.text_breite(" ");
        const int breite = s_.x(rand_rechts) - x_text;
        bool erste = true;
        do {
            platz(zeilenhoehe);
            std::string_view stueck = auf_breite_gekuerzt(c, text, breite);
            if (stueck.size() < text.size()) {
                const std::size_t luecke = stueck.rfind(' ');
                if (luecke != std::string_view::npos && luecke > 0)
                    stueck = stueck.substr(0, luecke);
            }
            if (erste) {
                c.setze_schrift_fett(true);
                s_.text(rand_links, y_, marke);
                c.setze_schrift_fett(false);
            }
            c.text(x_text, s_.y(y_), stueck);
            text.remove_prefix(stueck.size());
            while (!text.empty() && text.front() == ' ')
                text.remove_prefix(1);
            y_ += zeilenhoehe;
            erste = false;
        } while (!text.empty());
    }

    void abstand(int einheiten) { y_ += einheiten; }

    // From here on the column titles stand above the rows, on this page and
    // every following one.
    void tabelle_beginnen()
    {
        tabelle_ = true;
        platz(2 * zeilenhoehe + 12);
        spaltenkoepfe();
    }

    // A bold heading of a block, kept on one page with its first row.
    void block(std::string_view titel)
    {
        platz(2 * zeilenhoehe + 8);
        y_ += 8;
        s_.canvas().setze_schrift_fett(true);
        s_.text(textgroesse, rand_links, y_, titel);
        s_.canvas().setze_schrift_fett(false);
        y_ += zeilenhoehe;
    }

    // One row; the field `durchgestrichen` (or none, -1) is struck through,
    // `trennlinie` draws a line above the row.
    void zeile(const std::vector<std::string>& felder, int durchgestrichen = -1, bool trennlinie = false,
               bool fett_letzte = false)
    {
        platz(zeilenhoehe);
        if (trennlinie)
            s_.linie(rand_links, y_ - 5, rand_rechts, y_ - 5);
        Canvas& c = s_.canvas();
        s_.schriftgroesse(textgroesse);
        for (std::size_t i = 0; i < felder.size() && i < spalten_.size(); ++i) {
            const int rechts = i + 1 < spalten_.size() ? spalten_[i + 1].x - 6 : rand_rechts;
            const bool fett = fett_letzte && i + 1 == felder.size();
            c.setze_schrift_fett(fett);
            const std::string_view text =
                auf_breite_gekuerzt(c, felder[i], s_.x(rechts) - s_.x(spalten_[i].x));
            s_.text(spalten_[i].x, y_, text);
            if (static_cast<int>(i) == durchgestrichen && !text.empty()) {
                const int mitte = s_.y(y_ + 9);
                c.linie(s_.x(spalten_[i].x), mitte, s_.x(spalten_[i].x) + c.text_breite(text), mitte);
            }
        }
        c.setze_schrift_fett(false);
        y_ += zeilenhoehe;
    }

    void beenden()
    {
        fuss();
        s_.beenden();
    }

private:
    void kopf()
    {
        Canvas& c = s_.canvas();
        c.setze_schrift_fett(true);
        s_.text(16, rand_links, kopf_y, titel_);
        c.setze_schrift_fett(false);
        s_.schriftgroesse(11);
        s_.text(art_x, kopf_y + 6, art_);
        s_.linie(rand_links, inhalt_y - 20, rand_rechts, inhalt_y - 20);
        y_ = inhalt_y;
        if (tabelle_)
            spaltenkoepfe();
    }

    void spaltenkoepfe()
    {
        Canvas& c = s_.canvas();
        c.setze_schrift_fett(true);
        s_.schriftgroesse(11);
        for (const Spalte& sp : spalten_)
            s_.text(sp.x, y_, sp.titel);
        c.setze_schrift_fett(false);
        s_.linie(rand_links, y_ + 24, rand_rechts, y_ + 24);
        y_ += 32;
    }

    void fuss()
    {
        s_.text(textgroesse, rand_links, fuss_y, "Seite " + std::to_string(seite_));
        s_.stand(400, fuss_y, stand_);
    }

    // Starts a new page unless `hoehe` still fits on this one.
    void platz(int hoehe)
    {
        if (y_ + hoehe <= seitenende)
            return;
        fuss();
        s_.neue_seite();
        ++seite_;
        kopf();
    }

    Druckseite s_;
    std::string titel_;
    std::string art_;
    std::string stand_;
    std::vector<Spalte> spalten_;
    bool tabelle_ = false;
    int y_ = inhalt_y;
    int seite_ = 1;
};

std::string titel(const Tagesdruck& d)
{
    return "Vertretungen f\xFCr " + d.tag;
}

std::string mit_name(std::string_view code, const std::function<std::string(std::string_view)>& lehrername)
{
    std::string text(code);
    const std::string name = lehrername ? lehrername(code) : std::string();
    if (!name.empty())
        text += " (" + name + ")";
    return text;
}

} // namespace

void drucke_aushang(Druckauftrag& auftrag, const Tagesdruck& d)
{
    Listenblatt blatt(auftrag, titel(d), "Aushang", d.stand,
                      {{15, "Std."}, {85, "Klasse"}, {185, "Fach"}, {275, "Lehrer"}, {375, "Vertretung"},
                       {505, "Raum"}, {595, "Hinweis"}});
    blatt.tabelle_beginnen();
    const std::vector<Aushangzeile> zeilen = aushang(d.tv, d.stunden_0_8);
    if (zeilen.empty())
        blatt.zeile({"", "Keine Vertretungen."});
    int spalte = 0;
    for (const Aushangzeile& z : zeilen) {
        const bool neue_klasse = spalte != 0 && z.spalte != spalte;
        spalte = z.spalte;
        blatt.zeile({z.stunde_text, z.klasse, z.fach, z.lehrer, z.vertretung, z.raum, z.hinweis}, 3, neue_klasse,
                    true);
    }
    blatt.beenden();
}

void drucke_lehrerzimmer(Druckauftrag& auftrag, const Tagesdruck& d,
                         const std::function<std::string(std::string_view)>& lehrername)
{
    Listenblatt blatt(auftrag, titel(d), "Lehrerzimmer", d.stand,
                      {{15, "Std."}, {85, "Klasse"}, {185, "Fach"}, {275, "Raum"}, {375, "f\xFCr"}, {475, "Hinweis"}});
    blatt.absatz("Abwesend:", d.tv.abwesend.empty() ? "niemand" : abwesend_text(d.tv, d.stunden_0_8));
    blatt.absatz("Eingesetzt:", d.tv.eingesetzt.empty() ? "niemand" : eingesetzt_text(d.tv));
    blatt.abstand(12);
    blatt.tabelle_beginnen();

    const auto zeile = [&](const Tagesstunde& s, std::string hinweis) {
        blatt.zeile({stunden_label(s.stunde, d.stunden_0_8) + ".", s.klasse, s.fach, s.raum, s.abwesender,
                     std::move(hinweis)},
                    -1, false, true);
    };
    for (const Einsatz& e : d.tv.eingesetzt) {
        blatt.block(mit_name(e.vertreter, lehrername) + ": "
                    + (e.anzahl == 1 ? std::string("1 Vertretung") : std::to_string(e.anzahl) + " Vertretungen"));
        std::vector<const Tagesstunde*> eigene;
        for (const Tagesstunde& s : d.tv.stunden) {
            if (s.regelung == Regelung::vertretung && s.vertreter == e.vertreter)
                eigene.push_back(&s);
        }
        std::stable_sort(eigene.begin(), eigene.end(),
                         [](const Tagesstunde* a, const Tagesstunde* b) { return a->stunde < b->stunde; });
        for (const Tagesstunde* s : eigene)
            zeile(*s, s->bescheid_geben ? "Bescheid geben" : "");
    }
    const auto sammeln = [&](auto passt) {
        std::vector<const Tagesstunde*> liste;
        for (const Tagesstunde& s : d.tv.stunden) {
            if (passt(s))
                liste.push_back(&s);
        }
        std::stable_sort(liste.begin(), liste.end(),
                         [](const Tagesstunde* a, const Tagesstunde* b) { return a->stunde < b->stunde; });
        return liste;
    };
    const auto geregelt = sammeln([](const Tagesstunde& s) {
        return s.regelung == Regelung::entfall || s.regelung == Regelung::aufteilung;
    });
    if (!geregelt.empty()) {
        blatt.block("Entfall und Aufteilung");
        for (const Tagesstunde* s : geregelt)
            zeile(*s, regelung_text(*s));
    }
    const auto offen = sammeln([](const Tagesstunde& s) { return s.regelung == Regelung::offen; });
    if (!offen.empty()) {
        blatt.block(offen.size() == 1 ? std::string("Noch offen: 1 Stunde")
                                      : "Noch offen: " + std::to_string(offen.size()) + " Stunden");
        for (const Tagesstunde* s : offen)
            zeile(*s, "offen");
    }
    if (d.tv.stunden.empty())
        blatt.zeile({"", "Keine Vertretungen."});
    blatt.beenden();
}

} // namespace orbela
