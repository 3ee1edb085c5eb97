// The "Lehrerdatei..." command of the main window.

#include <QDir>
#include <QFile>

#include "canvas/qt_text_1252.h"
#include "ui/druckausgabe.h"
#include "ui/hauptfenster.h"
#include "ui/kartei_bearbeiten.h"
#include "ui/kartei_drucken.h"
#include "views/plan_ansicht.h"

namespace orbela {

void Hauptfenster::Lehrerdatei1Click()
{
    Druckausgabe ausgabe(sitzung_.programmpfad());
    kartei_bearbeiten(sitzung_, *dialoge_, this, [&](KarteiDruckauswahl::Wahl wahl) {
        const QString thema = wahl == KarteiDruckauswahl::Wahl::karte
                                  ? qstring_aus_1252(sitzung_.kartei().karte.nachname.view())
                                  : QString();
        std::unique_ptr<Druckauftrag> auftrag = ausgabe.auftrag(kartei_ausdruck_name(wahl), thema);
        kartei_drucken(*auftrag, sitzung_.kartei(), wahl);
        auftrag.reset();
        if (!ausgabe.letzte_datei().isEmpty()) {
            const QDir ordner(QFile::decodeName(QByteArray::fromStdString(sitzung_.programmpfad())));
            dialoge_->hinweis(QStringLiteral("Gespeichert als %1").arg(ordner.relativeFilePath(ausgabe.letzte_datei())));
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
