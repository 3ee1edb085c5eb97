// The "Lehrerdatei..." command of the main window.

#include <QDir>
#include <QFile>

#include "canvas/qt_text_1252.h"
#include "ui/hauptfenster.h"
#include "ui/hauptfenster_druck.h"
#include "ui/kartei_bearbeiten.h"
#include "ui/kartei_drucken.h"
#include "views/plan_ansicht.h"

namespace orbela {

void Hauptfenster::Lehrerdatei1Click()
{
    kartei_bearbeiten(sitzung_, *dialoge_, this, [this](KarteiDruckauswahl::Wahl wahl, Druckziel ziel) {
        const lehrertyp& kartei = sitzung_.kartei();
        const QString thema =
            wahl == KarteiDruckauswahl::Wahl::karte ? qstring_aus_1252(kartei.karte.nachname.view()) : QString();
        const QString name = kartei_ausdruck_name(wahl);
        druck_->ablauf().ausfuehren(
            Druckbefehl{name, name, {{thema, [&](Druckauftrag& auftrag) { kartei_drucken(auftrag, kartei, wahl); }}}},
            ziel);
        // The card window covers the status bar, so a PDF file is named in a
        // notice as well.
        const QString datei = druck_->ablauf().letzte_datei();
        if (!datei.isEmpty()) {
            const QDir ordner(QFile::decodeName(QByteArray::fromStdString(sitzung_.programmpfad())));
            dialoge_->hinweis(QStringLiteral("Gespeichert als %1").arg(ordner.relativeFilePath(datei)));
        }
    });
    // The codes, lesson counts and blocked lessons may have changed: the
    // conflict colours and side views are drawn anew.
    if (!sitzung_.kein_plan()) {
        ansicht_->leere_felder();
        neu_zeichnen();
        zeige_seite(Seite::leer);
    }
}

} // namespace orbela
