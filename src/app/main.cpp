#include <QApplication>
#include <cstdio>

#include "core/sitzung.h"
#include "ui/anwendung.h"
#include "ui/dialoge.h"
#include "ui/hauptfenster.h"
#include "ui/sicherungswache.h"
#include "ui/wiederherstellen.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv); // takes Qt's own options out of argv
    orbela::richte_anwendung_ein(app);
    // The one argument the program takes: a plan file to load at start.
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::fputs("Aufruf: orbela [PLAN.orb]\n", stderr);
        return 2;
    }
    orbela::Sitzung sitzung;
    orbela::Hauptfenster fenster(sitzung);
    orbela::Plansicherung sicherung(sitzung);
    fenster.sicherungswache_verbinden(sicherung.wache());
    fenster.show();
    // What an abnormal end left unsaved comes first; a plan given is
    // loaded after, and asks about those unsaved changes in turn, before a
    // restored substitution plan is shown against it.
    orbela::QtDialoge dialoge(&fenster);
    orbela::sicherungen_anbieten(dialoge, fenster, [&] {
        if (argc == 2)
            fenster.plan_oeffnen(argv[1]);
    });
    return QApplication::exec();
}
