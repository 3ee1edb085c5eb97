#include "ui/sperrfrage.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace orbela {

QString zeitpunkt_text(std::int64_t sekunden)
{
    return QDateTime::fromSecsSinceEpoch(sekunden).toString(QStringLiteral("dd.MM.yyyy, HH:mm"));
}

QString dateiname_text(const std::string& pfad)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(pfad))).fileName();
}

namespace {

// Who holds the plan's lock since when: "„Plan.orb“ ist seit ... geöffnet von ...".
QString inhaber_text(const std::string& pfad, const Sperrinhaber& wer)
{
    QString text = QStringLiteral("„%1“ ist seit %2 geöffnet von %3")
                       .arg(dateiname_text(pfad), zeitpunkt_text(wer.seit), QString::fromStdString(wer.benutzer));
    if (!wer.prozess.rechner.empty())
        text += QStringLiteral(" auf dem Computer %1").arg(QString::fromStdString(wer.prozess.rechner));
    return text + QStringLiteral(".");
}

} // namespace

bool plan_sperren(Dialoge& dialoge, const std::string& pfad, Plansperre& sperre, bool& schreibgeschuetzt)
{
    schreibgeschuetzt = false;
    if (sperre.nehmen(pfad) != Plansperre::Ergebnis::belegt)
        return true;
    QString text = inhaber_text(pfad, sperre.inhaber());
    text += QStringLiteral("\n\nSchreibgeschützt öffnen: Sie sehen den Plan und können ihn unter einem "
                           "neuen Namen speichern.\nTrotzdem öffnen: Sie können beide ändern; wer speichert, "
                           "wird gefragt, wenn der andere schon gespeichert hat.");
    switch (dialoge.wahl(text, QStringLiteral("Schreibgeschützt öffnen"), QStringLiteral("Trotzdem öffnen"))) {
    case Antwort::ja:
        schreibgeschuetzt = true;
        return true;
    case Antwort::nein:
        sperre.nehmen(pfad, true);
        return true;
    case Antwort::abbrechen:
        break;
    }
    return false;
}

Antwort plan_zum_speichern_sperren(Dialoge& dialoge, const std::string& pfad, Plansperre& sperre)
{
    if (sperre.nehmen(pfad) != Plansperre::Ergebnis::belegt)
        return Antwort::ja;
    const QString text = inhaber_text(pfad, sperre.inhaber())
        + QStringLiteral("\n\nTrotzdem speichern: Ihr Stand ersetzt die Datei; wer sie geöffnet hat, wird beim "
                         "Speichern gefragt.");
    const Antwort antwort =
        dialoge.wahl(text, QStringLiteral("Trotzdem speichern"), QStringLiteral("Anderen Namen wählen"));
    if (antwort == Antwort::ja)
        sperre.nehmen(pfad, true);
    return antwort;
}

} // namespace orbela
