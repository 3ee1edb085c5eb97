#include "core/uvd_export.h"

#include <array>

#include "core/beschriftung.h"
#include "core/fehler.h"
#include "core/sichere_datei.h"
#include "core/text_1252.h"

namespace orbela {

namespace {

constexpr std::string_view zeilenende = "\r\n";
constexpr std::string_view kopfzeile =
    "\"Klasse\";\"TKM\";\"Jahrg\";\"Kursart\";\"WoStd\";\"Fach\";\"Lehrer\";\"SchGes\";\"SchWeibl\";\"USprache\"";

int klasse_der_belegung(int e)
{
    return (e + 1) / 2;
}

// 1 when the class is taught undivided in the lesson: its second subject is
// empty or the same as the first; 0 when the two groups have different
// subjects.
int ungeteilt(const plantyp& plan, int tag, int stunde, int klasse)
{
    const zellentyp& z = plan.zelle(tag, stunde, klasse);
    return (z.zweite.fach.empty() || z.zweite.fach == z.erste.fach) ? 1 : 0;
}

// The class name as the statistics expect it: at least three characters,
// "0" in front and "a" behind as needed (1 -> 01a, 1a -> 01a, 12 -> 012).
std::string klassenfeld(std::string_view name)
{
    std::string feld(name);
    if (feld.size() < 3)
        feld.insert(feld.begin(), '0');
    if (feld.size() < 3)
        feld.push_back('a');
    return feld;
}

std::string in_grossbuchstaben(std::string_view text)
{
    std::string gross(text);
    for (char& ch : gross) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return gross;
}

// Characters that would end a field or a line early: quotes inside values
// are not escaped, so these shift the columns of the statistics program.
bool sprengt_spalten(std::string_view wert)
{
    return wert.find_first_of("\";\r\n") != std::string_view::npos;
}

// Refuses a plan whose exported fields would shift the columns, naming the
// first such field in the order of days, lessons and class columns.
void pruefe_felder(const plantyp& plan, const Statistikkuerzel& statistikkuerzel)
{
    for (int tag = 1; tag <= anzahl_tage; ++tag) {
        for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
            for (int e = 1; e <= belegungen_je_stunde; ++e) {
                const belegungtyp& b = plan.belegung(tag, stunde, e);
                // Only occupancies with both codes are written.
                if (b.lehrer.empty() || b.fach.empty())
                    continue;
                const int klasse = klasse_der_belegung(e);
                const std::string_view name = plan.klasse(klasse).klasse.view();
                std::string feld;
                if (sprengt_spalten(name)) {
                    feld = "der Klassenname";
                } else if (sprengt_spalten(b.fach.view())) {
                    feld = "das Fach „" + utf8_aus_1252(b.fach.view()) + "“";
                } else {
                    const std::string kuerzel = statistikkuerzel ? statistikkuerzel(b.lehrer.view()) : std::string();
                    if (!sprengt_spalten(kuerzel))
                        continue;
                    feld = "das Statistikkürzel „" + utf8_aus_1252(kuerzel) + "“ des Lehrers „"
                           + utf8_aus_1252(b.lehrer.view()) + "“";
                }
                const std::string klassenname = name.empty() ? "(Spalte " + std::to_string(klasse) + ")"
                                                              : utf8_aus_1252(name);
                throw Fehler(std::string(tagname(tag)) + ", " + std::to_string(stunde) + ". Stunde, Klasse "
                             + klassenname + ": " + feld
                             + " enthält \", ; oder einen Zeilenumbruch, die die Spalten von uvd.txt "
                               "verschieben würden. uvd.txt wurde nicht geschrieben.");
            }
        }
    }
}

std::string zitiert(std::string_view wert)
{
    std::string feld;
    feld.reserve(wert.size() + 2);
    feld += '"';
    feld += wert;
    feld += '"';
    return feld;
}

// Marks of the occupancies already counted into a group, per day, lesson
// and occupancy.
class Erledigt {
public:
    bool gesetzt(int tag, int stunde, int e) const { return marke(tag, stunde, e); }
    void setzen(int tag, int stunde, int e) { marke(tag, stunde, e) = true; }
    void loeschen(int tag, int stunde, int e) { marke(tag, stunde, e) = false; }

private:
    bool& marke(int tag, int stunde, int e) { return marken_[tag - 1][stunde - 1][e - 1]; }
    bool marke(int tag, int stunde, int e) const { return marken_[tag - 1][stunde - 1][e - 1]; }

    std::array<std::array<std::array<bool, belegungen_je_stunde>, anzahl_stunden>, anzahl_tage> marken_{};
};

// One course being collected: its teacher and subject, the lessons counted
// per class column and whether the class is taught as a whole.
struct Gruppe {
    int klasse = 0;
    std::string_view lehrer;
    std::string_view fach;
    int ganze_klasse = 1;
    // A class column takes part in at most 54 lessons with two occupancies.
    std::array<int, anzahl_klassen + 1> stunden{}; // index 1..20

    bool passt(const belegungtyp& b) const { return b.fach == fach && b.lehrer == lehrer; }
};

class UvdExport {
public:
    UvdExport(const plantyp& plan, const Statistikkuerzel& statistikkuerzel)
        : plan_(plan)
        , statistikkuerzel_(statistikkuerzel)
    {
    }

    std::string erzeugen()
    {
        zeile(kopfzeile);
        // Groups are found occupancy by occupancy and, within one, in the
        // order of their first lesson; this decides the order of the lines.
        // A group without teacher or subject writes nothing, and the lessons
        // it would mark done could only join such groups; so it is not even
        // collected.
        for (int e = 1; e <= belegungen_je_stunde; ++e) {
            for (int tag = 1; tag <= anzahl_tage; ++tag) {
                for (int stunde = 1; stunde <= anzahl_stunden; ++stunde) {
                    const belegungtyp& start = plan_.belegung(tag, stunde, e);
                    if (!erledigt_.gesetzt(tag, stunde, e) && !start.lehrer.empty() && !start.fach.empty())
                        schreibe(sammle_gruppe(tag, stunde, e));
                }
            }
        }
        return std::move(text_);
    }

private:
    Gruppe sammle_gruppe(int tag, int stunde, int e)
    {
        Gruppe g;
        g.klasse = klasse_der_belegung(e);
        const belegungtyp& start = plan_.belegung(tag, stunde, e);
        g.lehrer = start.lehrer.view();
        g.fach = start.fach.view();
        g.ganze_klasse = ungeteilt(plan_, tag, stunde, g.klasse);

        for (int t = 1; t <= anzahl_tage; ++t) {
            for (int l = 1; l <= anzahl_stunden; ++l) {
                if (!erledigt_.gesetzt(t, l, e) && g.passt(plan_.belegung(t, l, e))
                    && ungeteilt(plan_, t, l, g.klasse) == g.ganze_klasse)
                    nimm_stunde(g, t, l, e);
            }
        }
        return g;
    }

    // Counts the lesson and every class combined into it; a lesson whose set
    // of combined classes differs from the group's so far is taken back and
    // left for a later group.
    void nimm_stunde(Gruppe& g, int tag, int stunde, int e)
    {
        ++g.stunden[g.klasse];
        erledigt_.setzen(tag, stunde, e);
        for (int k = 1; k <= belegungen_je_stunde; ++k) {
            if (!erledigt_.gesetzt(tag, stunde, k) && g.passt(plan_.belegung(tag, stunde, k))) {
                ++g.stunden[klasse_der_belegung(k)];
                erledigt_.setzen(tag, stunde, k);
            }
        }
        bool stimmig = true;
        for (int c = 1; c <= anzahl_klassen; ++c) {
            if (g.stunden[c] != 0 && g.stunden[c] != g.stunden[g.klasse])
                stimmig = false;
        }
        if (stimmig)
            return;
        for (int k = 1; k <= belegungen_je_stunde; ++k) {
            if (g.passt(plan_.belegung(tag, stunde, k))) {
                erledigt_.loeschen(tag, stunde, k);
                --g.stunden[klasse_der_belegung(k)];
            }
        }
    }

    void schreibe(const Gruppe& g)
    {
        if (g.fach.empty() || g.lehrer.empty() || g.stunden[g.klasse] == 0)
            return;
        bool kombiniert = false;
        for (int c = 1; c <= anzahl_klassen; ++c) {
            if (c != g.klasse && g.stunden[c] != 0)
                kombiniert = true;
        }
        const bool ganze_klasse = g.ganze_klasse == 1 && !kombiniert;

        std::string z = zitiert(klassenfeld(plan_.klasse(g.klasse).klasse.view()));
        z += ";\"\";\"\";";
        z += zitiert(ganze_klasse ? "" : "00");
        z += ';';
        z += std::to_string(g.stunden[g.klasse]);
        z += ",00;";
        z += zitiert(in_grossbuchstaben(g.fach));
        z += ';';
        z += zitiert(statistikkuerzel_ ? statistikkuerzel_(g.lehrer) : std::string());
        z += ";;;\"\"";
        zeile(z);

        for (int c = 1; c <= anzahl_klassen; ++c) {
            if (c != g.klasse && g.stunden[c] != 0)
                zeile(zitiert(klassenfeld(plan_.klasse(c).klasse.view())) + ";\"\";\"\";\"\";;\"\";\"\";;;\"\"");
        }
    }

    void zeile(std::string_view z)
    {
        text_ += z;
        text_ += zeilenende;
    }

    const plantyp& plan_;
    const Statistikkuerzel& statistikkuerzel_;
    Erledigt erledigt_;
    std::string text_;
};

} // namespace

std::string uvd_inhalt(const plantyp& plan, const Statistikkuerzel& statistikkuerzel)
{
    pruefe_felder(plan, statistikkuerzel);
    return UvdExport(plan, statistikkuerzel).erzeugen();
}

void exportiere_uvd(const std::string& programmpfad, const plantyp& plan,
                    const Statistikkuerzel& statistikkuerzel)
{
    schreibe_datei_sicher(programmpfad + std::string(uvd_dateiname), uvd_inhalt(plan, statistikkuerzel));
}

} // namespace orbela
