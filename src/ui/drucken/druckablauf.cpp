#include "ui/drucken/druckablauf.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <memory>

#include "core/fehler.h"
#include "print/sammelauftrag.h"
#include "ui/dialoge.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/geschuetzt.h"
#include "ui/drucken/qt_druckauftrag.h"
#include "ui/wartecursor.h"

namespace orbela {

QString Druckbefehl::dateiname() const
{
    if (ausdrucke.size() == 1)
        return ausdrucke.front().thema.isEmpty() ? name : name + u' ' + ausdrucke.front().thema;
    return mehrzahl;
}

bool Druckbefehl::als_ein_auftrag(Druckauftrag& auftrag, const std::function<bool(int)>& weiter) const
{
    Sammelauftrag sammel(auftrag);
    int fertig = 0;
    for (const Ausdruck& a : ausdrucke) {
        a.drucken(sammel);
        if (weiter && !weiter(++fertig))
            return false;
    }
    sammel.abschliessen();
    return true;
}

Druckablauf::Druckablauf(Druckausgabe& ausgabe, Dialoge& dialoge, QWidget* eltern,
                         std::function<void(const QString&)> meldung)
    : ausgabe_(ausgabe)
    , dialoge_(dialoge)
    , eltern_(eltern)
    , meldung_(std::move(meldung))
{
}

void Druckablauf::ausfuehren(const Druckbefehl& befehl, Druckziel ziel)
{
    letzte_datei_.clear();
    if (befehl.ausdrucke.empty())
        return;
    switch (ziel) {
    case Druckziel::drucker: drucken(befehl); break;
    case Druckziel::vorschau: vorschau(befehl); break;
    case Druckziel::pdf: als_pdf(befehl); break;
    }
}

QString Druckablauf::relativ(const QString& datei) const
{
    return ausgabe_.relativ(datei);
}

void Druckablauf::gespeichert(const QString& datei)
{
    letzte_datei_ = datei;
    meldung_(QStringLiteral("Gespeichert als %1").arg(relativ(datei)));
}

void Druckablauf::drucken(const Druckbefehl& befehl)
{
    const Wartecursor wartecursor;
    if (ausgabe_.auf_drucker()) {
        // One job per printout, as the printer's queue shows them.
        for (const Druckbefehl::Ausdruck& a : befehl.ausdrucke) {
            std::unique_ptr<Druckauftrag> auftrag = ausgabe_.auftrag(befehl.name, a.thema);
            a.drucken(*auftrag);
        }
        return;
    }
    // Without a printer every printout of the command goes into one file.
    std::unique_ptr<Druckauftrag> auftrag = ausgabe_.auftrag(befehl.dateiname(), {});
    const QString datei = ausgabe_.letzte_datei();
    const QString hinweis = ausgabe_.ohne_drucker_hinweis();
    befehl.als_ein_auftrag(*auftrag);
    auftrag.reset();
    gespeichert(datei);
    if (!hinweis.isEmpty())
        dialoge_.hinweis(hinweis + QStringLiteral("\n\nGespeichert als %1").arg(relativ(datei)));
}

void Druckablauf::vorschau(const Druckbefehl& befehl)
{
    QPrinter& drucker = ausgabe_.vorschau_drucker(befehl.dateiname());
    QPrintPreviewDialog dialog(&drucker, eltern_);
    dialog.setWindowTitle(QStringLiteral("Druckvorschau - %1").arg(befehl.dateiname()));
    dialog.resize(900, 1000);
    // Drawn for the preview and again for printing from it; an error shows
    // its message and leaves the pages drawn so far.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* ziel) {
        geschuetzt(dialoge_, [&] {
            const Wartecursor wartecursor;
            QtDruckauftrag auftrag(*ziel);
            befehl.als_ein_auftrag(auftrag);
        });
    });
    dialoge_.modal(dialog);
}

void Druckablauf::als_pdf(const Druckbefehl& befehl)
{
    const QString ordner = ausgabe_.pdf_ordner();
    if (!QDir().mkpath(ordner))
        throw Fehler("Der Ordner \"" + ordner.toStdString() + "\" kann nicht angelegt werden.");
    const std::optional<QString> datei = dialoge_.datei_speichern(
        QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"),
        QDir(ordner).filePath(Druckausgabe::dateiname(befehl.dateiname()) + QStringLiteral(".pdf")));
    if (!datei)
        return;
    if (schreibe_pdf(befehl, *datei, befehl.ausdrucke.size() > 1))
        gespeichert(*datei);
}

bool Druckablauf::schreibe_pdf(const Druckbefehl& befehl, const QString& datei, bool mit_fortschritt)
{
    const int gesamt = static_cast<int>(befehl.ausdrucke.size());
    std::unique_ptr<QProgressDialog> anzeige;
    Druckausgabe::Fortschritt weiter = ausgabe_.fortschritt();
    if (mit_fortschritt && !weiter) {
        anzeige = std::make_unique<QProgressDialog>(QStringLiteral("Die Seiten werden geschrieben ..."),
                                                    QStringLiteral("Abbrechen"), 0, gesamt, eltern_);
        anzeige->setWindowTitle(befehl.dateiname());
        anzeige->setWindowModality(Qt::WindowModal);
        anzeige->setMinimumDuration(300);
        weiter = [&](int fertig, int) {
            anzeige->setValue(fertig);
            return !anzeige->wasCanceled();
        };
    }
    const Wartecursor wartecursor;
    // The file is written only once every page is drawn: a cancel leaves none.
    std::unique_ptr<QtDruckauftrag> auftrag = QtDruckauftrag::pdf(datei);
    if (!weiter)
        return befehl.als_ein_auftrag(*auftrag);
    return befehl.als_ein_auftrag(*auftrag, [&](int fertig) { return weiter(fertig, gesamt); });
}

} // namespace orbela
