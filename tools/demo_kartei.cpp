#include "demo_kartei.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/text_1252.h"
#include "demo_text.h"

namespace orbela {

namespace {

// Blocked lessons of one day: lessons von..bis.
struct Sperre {
    int tag;
    int von;
    int bis;
};

// One person of the school; texts in UTF-8, empty where the card stays empty.
struct Person {
    std::string_view anrede = {};
    std::string_view titel = {};
    std::string_view vorname = {};
    std::string_view nachname = {};
    std::string_view strasse = {};
    std::string_view plz = {};
    std::string_view ort = {};
    std::string_view geburtsdatum = {};
    std::string_view geschlecht = {};
    std::string_view telefon = {};
    std::string_view email = {};
    std::string_view funktion = {};
    std::string_view bemerkung = {};
    bool lehrer = false;
    std::string_view klassenlehrer = {};
    std::string_view pflichtstunden = {};
    std::string_view faecher = {};
    std::string_view kuerzel = {};
    std::string_view kuerzel4 = {};
    std::string_view rechtsverhaeltnis = {};
    std::string_view beschaeftigungsart = {};
    std::string_view einsatzstatus = {};
    std::string_view schulleitung = {};
    std::string_view stammschule = "100200";
    std::vector<Sperre> gesperrt = {};
};

constexpr std::string_view musterstadt = "Musterstadt";
constexpr std::string_view beispieldorf = "Beispieldorf";

const std::vector<Person> personen = {
    // The school's management.
    {.anrede = "Frau", .titel = "Dr.", .vorname = "Katharina", .nachname = "Jäger",
     .strasse = "Am Kreideberg 21", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "02.11.1968", .geschlecht = "weiblich", .telefon = "030 23125 110",
     .email = "k.jaeger@beispielschule.example", .funktion = "Schulleiterin",
     .bemerkung = "mittwochs 5./6. Std. Dienstbesprechung der Schulleitungen",
     .lehrer = true, .pflichtstunden = "28", .faecher = "Musik, Sachunterricht",
     .kuerzel = "Jä", .kuerzel4 = "JAEG", .rechtsverhaeltnis = "B", .beschaeftigungsart = "V",
     .einsatzstatus = "*", .schulleitung = "SL", .gesperrt = {{3, 5, 6}}},
    {.anrede = "Herr", .vorname = "Thomas", .nachname = "Wagner",
     .strasse = "Lerchenstieg 4", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "27.06.1972", .geschlecht = "männlich", .telefon = "030 23125 111",
     .email = "t.wagner@beispielschule.example", .funktion = "Konrektor",
     .lehrer = true, .pflichtstunden = "28", .faecher = "Mathematik, Sport",
     .kuerzel = "Wa", .kuerzel4 = "WAGN", .rechtsverhaeltnis = "B", .beschaeftigungsart = "V",
     .einsatzstatus = "*", .schulleitung = "SLV"},

    // Class teachers.
    {.anrede = "Frau", .vorname = "Marion", .nachname = "Müller",
     .strasse = "Zaunkönigweg 7", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "14.03.1979", .geschlecht = "weiblich", .telefon = "030 23125 101",
     .email = "m.mueller@beispielschule.example", .funktion = "Klassenlehrerin",
     .lehrer = true, .klassenlehrer = "1a", .pflichtstunden = "16",
     .faecher = "Deutsch, Mathematik, Sachunterricht, Kunst", .kuerzel = "Mü", .kuerzel4 = "MUEL",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Sabine", .nachname = "Bauer",
     .strasse = "Haselnussgasse 12", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "30.08.1985", .geschlecht = "weiblich", .telefon = "030 23125 102",
     .email = "s.bauer@beispielschule.example", .funktion = "Klassenlehrerin",
     .lehrer = true, .klassenlehrer = "1b", .pflichtstunden = "16",
     .faecher = "Deutsch, Mathematik, Sachunterricht, Kunst", .kuerzel = "Ba", .kuerzel4 = "BAUE",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Aylin", .nachname = "Özdemir",
     .strasse = "Holunderring 33", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "19.01.1990", .geschlecht = "weiblich", .telefon = "030 23125 103",
     .email = "a.oezdemir@beispielschule.example", .funktion = "Klassenlehrerin",
     .lehrer = true, .klassenlehrer = "2a", .pflichtstunden = "16",
     .faecher = "Deutsch, Mathematik, Sachunterricht, Kunst", .kuerzel = "Öz", .kuerzel4 = "OEZD",
     .rechtsverhaeltnis = "A", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Herr", .vorname = "Jens", .nachname = "Krüger",
     .strasse = "Apfelbaumstieg 2", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "05.05.1981", .geschlecht = "männlich", .telefon = "030 23125 104",
     .email = "j.krueger@beispielschule.example", .funktion = "Klassenlehrer",
     .lehrer = true, .klassenlehrer = "2b", .pflichtstunden = "18",
     .faecher = "Deutsch, Mathematik, Sport, Kunst", .kuerzel = "Kr", .kuerzel4 = "KRUE",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Annette", .nachname = "Weiß",
     .strasse = "Mühlbachstraße 18", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "11.12.1975", .geschlecht = "weiblich", .telefon = "030 23125 105",
     .email = "a.weiss@beispielschule.example", .funktion = "Klassenlehrerin",
     .bemerkung = "begleitet ihre Klasse zum Schwimmen",
     .lehrer = true, .klassenlehrer = "3a", .pflichtstunden = "16",
     .faecher = "Deutsch, Mathematik, Sachunterricht", .kuerzel = "We", .kuerzel4 = "WEIS",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Claudia", .nachname = "Hoffmann",
     .strasse = "Schlehdornpfad 9", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "23.07.1983", .geschlecht = "weiblich", .telefon = "030 23125 106",
     .email = "c.hoffmann@beispielschule.example", .funktion = "Klassenlehrerin",
     .bemerkung = "begleitet ihre Klasse zum Schwimmen",
     .lehrer = true, .klassenlehrer = "3b", .pflichtstunden = "18",
     .faecher = "Deutsch, Mathematik, Sachunterricht", .kuerzel = "Ho", .kuerzel4 = "HOFF",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Herr", .vorname = "Martin", .nachname = "Schröder",
     .strasse = "Am Tintenfass 5", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "08.09.1977", .geschlecht = "männlich", .telefon = "030 23125 107",
     .email = "m.schroeder@beispielschule.example", .funktion = "Klassenlehrer",
     .lehrer = true, .klassenlehrer = "4a", .pflichtstunden = "14",
     .faecher = "Deutsch, Sachunterricht, Sport", .kuerzel = "Sc", .kuerzel4 = "SCHR",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Birgit", .nachname = "Lange",
     .strasse = "Kastanienhöhe 14", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "17.04.1970", .geschlecht = "weiblich", .telefon = "030 23125 108",
     .email = "b.lange@beispielschule.example", .funktion = "Klassenlehrerin",
     .lehrer = true, .klassenlehrer = "4b", .pflichtstunden = "16",
     .faecher = "Deutsch, Mathematik, Sachunterricht", .kuerzel = "La", .kuerzel4 = "LANG",
     .rechtsverhaeltnis = "B", .beschaeftigungsart = "T", .einsatzstatus = "*"},

    // Subject teachers.
    {.anrede = "Herr", .vorname = "Stefan", .nachname = "Becker",
     .strasse = "Am Sprungbrett 3", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "29.02.1988", .geschlecht = "männlich", .telefon = "030 23125 109",
     .email = "s.becker@beispielschule.example", .funktion = "Fachlehrer Sport",
     .bemerkung = "Rettungsschwimmer, leitet den Schwimmunterricht",
     .lehrer = true, .pflichtstunden = "12", .faecher = "Sport, Schwimmen",
     .kuerzel = "Be", .kuerzel4 = "BECK", .rechtsverhaeltnis = "A", .beschaeftigungsart = "T",
     .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Julia", .nachname = "Fischer",
     .strasse = "Libellenufer 8", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "03.06.1986", .geschlecht = "weiblich", .telefon = "030 23125 112",
     .email = "j.fischer@beispielschule.example", .funktion = "Fachlehrerin Englisch",
     .bemerkung = "Teilzeit, montags unterrichtsfrei",
     .lehrer = true, .pflichtstunden = "8", .faecher = "Englisch",
     .kuerzel = "Fi", .kuerzel4 = "FISC", .rechtsverhaeltnis = "A", .beschaeftigungsart = "T",
     .einsatzstatus = "*", .gesperrt = {{1, 1, 9}}},
    {.anrede = "Frau", .vorname = "Ruth", .nachname = "Neumann",
     .strasse = "Glockenblumenweg 6", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "21.10.1966", .geschlecht = "weiblich", .telefon = "030 23125 113",
     .email = "r.neumann@beispielschule.example", .funktion = "Fachlehrerin Religion",
     .lehrer = true, .pflichtstunden = "16", .faecher = "Evangelische Religion",
     .kuerzel = "Ne", .kuerzel4 = "NEUM", .rechtsverhaeltnis = "B", .beschaeftigungsart = "T",
     .einsatzstatus = "*"},
    {.anrede = "Herr", .vorname = "Bernhard", .nachname = "Zimmermann",
     .strasse = "Kirchgartenpfad 10", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "12.02.1964", .geschlecht = "männlich", .telefon = "030 23125 114",
     .email = "b.zimmermann@beispielschule.example", .funktion = "Fachlehrer Religion",
     .bemerkung = "montags 1./2. Std. Dienst in der Pfarrgemeinde",
     .lehrer = true, .pflichtstunden = "16", .faecher = "Katholische Religion",
     .kuerzel = "Zi", .kuerzel4 = "ZIMM", .rechtsverhaeltnis = "B", .beschaeftigungsart = "T",
     .einsatzstatus = "*", .gesperrt = {{1, 1, 2}}},
    {.anrede = "Frau", .vorname = "Lena", .nachname = "Böhm",
     .strasse = "Fliederstieg 19", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "25.09.1984", .geschlecht = "weiblich", .telefon = "030 23125 115",
     .email = "l.boehm@beispielschule.example", .funktion = "Sonderpädagogin",
     .bemerkung = "abgeordnet von der Förderschule, dienstags an der Stammschule",
     .lehrer = true, .pflichtstunden = "10", .faecher = "Förderunterricht (Lernen, Sprache)",
     .kuerzel = "Bö", .kuerzel4 = "BOEH", .rechtsverhaeltnis = "B", .beschaeftigungsart = "T",
     .einsatzstatus = "A", .stammschule = "100300", .gesperrt = {{2, 1, 9}}},
    {.anrede = "Frau", .vorname = "Sophie", .nachname = "Kühn",
     .strasse = "Notenbogen 4", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "07.07.1991", .geschlecht = "weiblich", .telefon = "030 23125 116",
     .email = "s.kuehn@beispielschule.example", .funktion = "Fachlehrerin Musik",
     .bemerkung = "Teilzeit, freitags unterrichtsfrei; leitet den Schulchor",
     .lehrer = true, .pflichtstunden = "12", .faecher = "Musik",
     .kuerzel = "Kü", .kuerzel4 = "KUEH", .rechtsverhaeltnis = "A", .beschaeftigungsart = "T",
     .einsatzstatus = "*", .gesperrt = {{5, 1, 9}}},
    {.anrede = "Herr", .vorname = "Paul", .nachname = "Lehmann",
     .strasse = "Töpferhof 2", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "15.01.1980", .geschlecht = "männlich", .telefon = "030 23125 117",
     .email = "p.lehmann@beispielschule.example", .funktion = "Fachlehrer Kunst",
     .lehrer = true, .pflichtstunden = "8", .faecher = "Kunst, Werken",
     .kuerzel = "Le", .kuerzel4 = "LEHM", .rechtsverhaeltnis = "A", .beschaeftigungsart = "T",
     .einsatzstatus = "*"},
    {.anrede = "Frau", .vorname = "Lea", .nachname = "Schmitz",
     .strasse = "Pusteblumenweg 11", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "09.05.1997", .geschlecht = "weiblich", .telefon = "030 23125 118",
     .email = "l.schmitz@beispielschule.example", .funktion = "Lehramtsanwärterin",
     .bemerkung = "donnerstags Seminartag; Ausbildungslehrkräfte: Frau Müller, Herr Krüger",
     .lehrer = true, .pflichtstunden = "9", .faecher = "Deutsch, Sachunterricht",
     .kuerzel = "Sz", .kuerzel4 = "SCHM", .rechtsverhaeltnis = "W", .beschaeftigungsart = "T",
     .einsatzstatus = "*", .gesperrt = {{4, 1, 9}}},

    // Other contacts of the school.
    {.anrede = "Frau", .vorname = "Petra", .nachname = "Hartmann",
     .strasse = "Quittenhang 27", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "18.02.1971", .geschlecht = "weiblich", .telefon = "030 23125 120",
     .email = "sekretariat@beispielschule.example", .funktion = "Schulsekretärin",
     .bemerkung = "Sekretariat Mo-Fr 7:30-12:30 Uhr"},
    {.anrede = "Herr", .vorname = "Dieter", .nachname = "Wolf",
     .strasse = "Schlüsselbundweg 1", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "04.10.1963", .geschlecht = "männlich", .telefon = "030 23125 121",
     .funktion = "Hausmeister", .bemerkung = "bei Störungen an Heizung und Schließanlage zuerst anrufen"},
    {.anrede = "Frau", .vorname = "Miriam", .nachname = "Engel",
     .strasse = "Regenbogenallee 45", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "22.08.1989", .geschlecht = "weiblich", .telefon = "030 23125 122",
     .email = "m.engel@beispielschule.example", .funktion = "Schulsozialarbeiterin",
     .bemerkung = "Sprechzeiten dienstags und donnerstags"},
    {.anrede = "Frau", .vorname = "Jasmin", .nachname = "Vogt",
     .strasse = "Kletterrosenweg 3", .plz = "12345", .ort = musterstadt,
     .geburtsdatum = "13.12.1982", .geschlecht = "weiblich", .telefon = "030 23125 123",
     .email = "ganztag@beispielschule.example", .funktion = "Leitung Offener Ganztag",
     .bemerkung = "Betreuung bis 16:00 Uhr"},
    {.anrede = "Herr", .vorname = "Jörg", .nachname = "Schulz",
     .strasse = "Drachenwiese 16", .plz = "12346", .ort = beispieldorf,
     .geburtsdatum = "01.04.1980", .geschlecht = "männlich", .telefon = "030 23125 124",
     .funktion = "Vorsitzender der Schulpflegschaft"},
};

// The occupancies of the week that carry the code as teacher or second
// teacher: the lessons the teacher is down for in the plan.
int geplante_stunden(const plantyp& plan, std::string_view kuerzel_1252)
{
    int n = 0;
    for (int t = 1; t <= anzahl_tage; ++t) {
        for (int l = 1; l <= anzahl_stunden; ++l) {
            for (int k = 1; k <= belegungen_je_stunde; ++k)
                n += plan.belegung(t, l, k).lehrer == kuerzel_1252 ? 1 : 0;
        }
    }
    return n;
}

void fuelle_karte(kartentyp& karte, const Person& p, const plantyp& plan)
{
    setze(karte.anrede, p.anrede);
    setze(karte.titel, p.titel);
    setze(karte.vorname, p.vorname);
    setze(karte.nachname, p.nachname);
    setze(karte.strasse, p.strasse);
    setze(karte.plz, p.plz);
    setze(karte.ort, p.ort);
    setze(karte.geburtsdatum, p.geburtsdatum);
    setze(karte.geschlecht, p.geschlecht);
    setze(karte.telefon, p.telefon);
    setze(karte.email, p.email);
    setze(karte.funktion, p.funktion);
    setze(karte.bemerkung, p.bemerkung);
    setze(karte.staatsangehoerigkeit, "D");
    setze(karte.stammschule, p.stammschule);
    setze(karte.statistik, p.lehrer ? "ja" : "nein");
    if (!p.lehrer)
        return;

    karte.ist_lehrer = 1;
    setze(karte.klassenlehrer1, p.klassenlehrer);
    setze(karte.pflichtstunden, p.pflichtstunden);
    setze(karte.faecher, p.faecher);
    setze(karte.kuerzel, p.kuerzel);
    setze(karte.kuerzel4, p.kuerzel4);
    setze(karte.rechtsverhaeltnis, p.rechtsverhaeltnis);
    setze(karte.beschaeftigungsart, p.beschaeftigungsart);
    setze(karte.einsatzstatus, p.einsatzstatus);
    setze(karte.schulleitung, p.schulleitung);
    setze(karte.unterrichtsstunden,
          std::to_string(geplante_stunden(plan, text_1252_aus_utf8(p.kuerzel))));
    for (const Sperre& s : p.gesperrt) {
        for (int l = s.von; l <= s.bis; ++l)
            karte.gesperrt[s.tag - 1][l - 1] = 1;
    }
}

} // namespace

void fuelle_demo_kartei(Kartei& kartei, const plantyp& plan)
{
    for (const Person& p : personen) {
        kartei.leeren();
        fuelle_karte(kartei.karte, p, plan);
        kartei.einfuegen();
    }
    kartei.erster();
}

} // namespace orbela
