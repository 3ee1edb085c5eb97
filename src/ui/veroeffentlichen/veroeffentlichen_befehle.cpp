#include "ui/veroeffentlichen/veroeffentlichen_befehle.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "core/kartei_dateien.h"
#include "core/namenstabelle.h"
#include "core/sitzung.h"
#include "core/veroeffentlichen/kalender.h"
#include "core/veroeffentlichen/webseiten.h"
#include "ui/dialoge.h"
#include "ui/veroeffentlichen/kalender_dialog.h"
#include "ui/veroeffentlichen/webseiten_dialog.h"
#include "ui/wartecursor.h"

namespace orbela {

namespace {

std::string dateipfad(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

QString im_programmordner(const Sitzung& sitzung, const char* name)
{
    return QFile::decodeName(QByteArray::fromStdString(sitzung.programmpfad())) + QString::fromLatin1(name);
}

// The name tables as stored now, and the surnames of the cards: a code
// without a card has none.
struct Namen {
    Namenstabelle faecher;
    Namenstabelle raeume;
    Plannamen plannamen;

    explicit Namen(Sitzung& sitzung)
        : plannamen{faecher, raeume, [&sitzung](std::string_view kuerzel) {
                        std::string name = lehrername(sitzung.kartei(), kuerzel);
                        std::string ohne_karte(1, '[');
                        ohne_karte.append(kuerzel).push_back(']');
                        return name == ohne_karte ? std::string() : name;
                    }}
    {
        faecher.lesen(sitzung.programmpfad() + faecher_datei);
        raeume.lesen(sitzung.programmpfad() + raum_datei);
    }
};

const QString kein_plan = QStringLiteral("Es ist noch kein Plan geladen. Bitte zuerst einen Plan laden.");

std::chrono::year_month_day tag_aus(QDate datum)
{
    return std::chrono::year{datum.year()} / datum.month() / datum.day();
}

} // namespace

VeroeffentlichenBefehle::VeroeffentlichenBefehle(Sitzung& sitzung, Dialoge& dialoge, QWidget* eltern)
    : sitzung_(sitzung)
    , dialoge_(dialoge)
    , webseiten_dialog_(std::make_unique<WebseitenDialog>(im_programmordner(sitzung, webseiten_ordnername), eltern))
    , kalender_dialog_(std::make_unique<KalenderDialog>(im_programmordner(sitzung, kalender_ordnername),
                                                        QDate::currentDate(), eltern))
{
}

VeroeffentlichenBefehle::~VeroeffentlichenBefehle() = default;

void VeroeffentlichenBefehle::als_webseiten_speichern()
{
    // Before any plan an empty site would replace the one published.
    if (sitzung_.dokument().kein_plan()) {
        dialoge_.hinweis(kein_plan);
        return;
    }
    if (!dialoge_.modal(*webseiten_dialog_))
        return;
    const QString ordner = webseiten_dialog_->ordner();
    const Wartecursor wartecursor;
    const Namen namen(sitzung_);
    const QString planname = QFileInfo(QFile::decodeName(QByteArray::fromStdString(sitzung_.dokument().dateiname())))
                                 .completeBaseName();
    const Webseitenkopf kopf{planname.isEmpty() ? std::string("Stundenplan") : planname.toStdString(),
                             QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString()};
    const int seiten = webseiten_speichern(dateipfad(ordner), sitzung_.plan(), sitzung_.optionen(),
                                           namen.plannamen, kopf);
    dialoge_.hinweis(QStringLiteral("%1 Seiten gespeichert im Ordner „%2“.\nDie Übersicht ist index.html.")
                         .arg(seiten)
                         .arg(ordner));
}

void VeroeffentlichenBefehle::kalender_exportieren()
{
    if (sitzung_.dokument().kein_plan()) {
        dialoge_.hinweis(kein_plan);
        return;
    }
    if (!dialoge_.modal(*kalender_dialog_))
        return;
    const QString ordner = kalender_dialog_->ordner();
    const Wartecursor wartecursor;
    const Namen namen(sitzung_);
    const Schulzeitraum zeitraum{tag_aus(kalender_dialog_->erster_schultag()),
                                 tag_aus(kalender_dialog_->letzter_schultag())};
    const int dateien = kalender_speichern(dateipfad(ordner), sitzung_.plan(), sitzung_.optionen(),
                                           namen.plannamen, zeitraum, QDateTime::currentSecsSinceEpoch());
    dialoge_.hinweis(QStringLiteral("%1 Kalenderdateien gespeichert im Ordner „%2“.").arg(dateien).arg(ordner));
}

} // namespace orbela
