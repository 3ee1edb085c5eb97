#include "druck_umgebung.h"
#include "print/wochen_ausdrucke.h"

using namespace orbela;

namespace {

class WochenAusdrucke : public test::DruckUmgebung {
protected:
    static Vertretungszettel zettel(const char* vertreter, int zeilen)
    {
        return {vertreter, std::vector<std::string>(static_cast<std::size_t>(zeilen), std::string("Mo, 1. Stunde"))};
    }
    // The slip heads of each page of the job, page by page.
    std::vector<std::vector<std::string>> koepfe(const AufzeichnungsDruckauftrag& a)
    {
        std::vector<std::vector<std::string>> seiten;
        for (int n = 1; n <= a.seitenzahl(); ++n) {
            seiten.emplace_back();
            for (const Op* t : a.seite(n).texte()) {
                const std::string kopf = "Vertretungszettel f\xFCr ";
                if (t->text.rfind(kopf, 0) == 0)
                    seiten.back().push_back(t->text.substr(kopf.size()));
            }
        }
        return seiten;
    }
};

} // namespace

TEST_F(WochenAusdrucke, SlipsShareAPageWithCutLinesAndAreNotSplit)
{
    AufzeichnungsDruckauftrag& a = neuer_auftrag();
    drucke_vertretungszettel(a, {zettel("Ko", 3), zettel("Fr", 2), zettel("Te", 36), zettel("Lu", 50)}, "Ab",
                             "09.12.26");
    // Te's 36 lines do not fit below Ko and Fr; Lu's 50 fill more than a page.
    EXPECT_EQ(koepfe(a), (std::vector<std::vector<std::string>>{{"Ko", "Fr"}, {"Te"}, {"Lu"}, {}}));
    const auto linien = a.seite(1).linien();
    EXPECT_EQ(std::count_if(linien.begin(), linien.end(), [](const Op* l) { return l->x1 == 0 && l->x2 == 800; }), 1);
    for (int n = 1; n <= a.seitenzahl(); ++n)
        EXPECT_EQ(a.seite(n).letzter_text_bei(15, 1050)->text, "Vertretungszettel: Ab");
    EXPECT_TRUE(a.beendet());
}

TEST_F(WochenAusdrucke, CountsListOneLinePerTeacherInTheOrderGiven)
{
    std::vector<std::pair<std::string, int>> zeilen;
    for (int i = 0; i < 50; ++i)
        zeilen.emplace_back(std::string("L").append(std::to_string(i)), i % 4);
    AufzeichnungsDruckauftrag& a = neuer_auftrag();
    drucke_vertretungszahlen(a, zeilen, "/schule/woche", "09.12.26");
    EXPECT_EQ(text_bei(15, 120), "L0");
    EXPECT_EQ(text_bei(150, 144), "1");
    EXPECT_EQ(a.seitenzahl(), 2);
    EXPECT_EQ(a.seite(2).letzter_text_bei(15, 90)->text, "Lehrer"); // the head again
    EXPECT_EQ(a.seite(2).letzter_text_bei(15, 120)->text, "L37");
}
