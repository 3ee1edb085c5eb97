#include "ui/sicherungswache.h"

#include <QCoreApplication>
#include <cstdio>

#include "core/fehler.h"
#include "core/plantyp.h"
#include "core/sitzung.h"
#include "core/vertretung/vertretungsdokument.h"
#include "core/vertretung/vtp_datei.h"

namespace orbela {

Sicherungswache::Sicherungswache(std::string art, std::size_t groesse, std::function<Inhalt()> inhalt,
                                 QObject* parent, int verzoegerung_ms)
    : QObject(parent)
    , ablage_(Wiederherstellung::standardordner(), std::move(art), groesse)
    , inhalt_(std::move(inhalt))
{
    zeitgeber_.setSingleShot(true);
    zeitgeber_.setInterval(verzoegerung_ms);
    connect(&zeitgeber_, &QTimer::timeout, this, &Sicherungswache::schreiben);
    // Only a normal end removes the copy; after a crash it waits for the
    // next start.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &Sicherungswache::gesichert);
}

void Sicherungswache::geaendert()
{
    // Not restarted by further changes: typing without a pause is saved
    // all the same, a few seconds after its first keystroke.
    if (!zeitgeber_.isActive())
        zeitgeber_.start();
}

void Sicherungswache::gesichert()
{
    zeitgeber_.stop();
    ablage_.entfernen();
}

void Sicherungswache::schreiben()
{
    const Inhalt inhalt = inhalt_();
    try {
        ablage_.sichern(inhalt.bytes, inhalt.dateiname, inhalt.stand);
    } catch (const Fehler& e) {
        // The next change tries again; the user hears of it once.
        std::fprintf(stderr, "orbela: Sicherungskopie nicht geschrieben: %s\n", e.text().c_str());
        static bool gemeldet = false;
        if (!gemeldet) {
            gemeldet = true;
            emit schreibenGescheitert(QStringLiteral("Die Sicherungskopie kann nicht geschrieben werden: ")
                                      + QString::fromStdString(e.text()));
        }
    }
}

Plansicherung::Plansicherung(Sitzung& sitzung, int verzoegerung_ms)
    : sitzung_(sitzung)
    , wache_(
          "plan", plan_groesse,
          [this] {
              const plantyp& p = sitzung_.plan();
              return Sicherungswache::Inhalt{std::string(reinterpret_cast<const char*>(&p), sizeof p),
                                             sitzung_.dokument().dateiname(), sitzung_.planschutz().stand()};
          },
          nullptr, verzoegerung_ms)
{
    zuhoerer_ = sitzung_.dokument().beobachten([this](const Aenderung&) {
        if (sitzung_.dokument().geaendert())
            wache_.geaendert();
        else
            wache_.gesichert();
    });
}

Plansicherung::~Plansicherung()
{
    sitzung_.dokument().nicht_mehr_beobachten(zuhoerer_);
}

Vertretungssicherung::Vertretungssicherung(Vertretungsdokument& dokument, int verzoegerung_ms)
    : dokument_(dokument)
    , wache_(
          "vertretung", vtp_groesse,
          [this] { return Sicherungswache::Inhalt{vertretungen_als_bytes(dokument_.plan()), dokument_.dateiname(), {}}; },
          nullptr, verzoegerung_ms)
{
    zuhoerer_ = dokument_.beobachten([this](const Vertretungsaenderung&) {
        if (dokument_.geaendert())
            wache_.geaendert();
        else
            wache_.gesichert();
    });
}

Vertretungssicherung::~Vertretungssicherung()
{
    dokument_.nicht_mehr_beobachten(zuhoerer_);
}

} // namespace orbela
