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

bool plan_sperren(Dialoge& dialoge, const std::string& pfad, Plansperre& sperre, bool& schreibgeschuetzt)
{
    schreibgeschuetzt = false;
    if (sperre.nehmen(pfad) != Plansperre::Ergebnis::belegt)
        return true;
    const Sperrinhaber& wer = sperre.inhaber();
    QString text = QStringLiteral("„%1“ ist seit %2 geöffnet von %3")
                       .arg(dateiname_text(pfad), zeitpunkt_text(wer.seit), QString::fromStdString(wer.benutzer));
    if (!wer.prozess.rechner.empty())
        text += QStringLiteral(" auf dem Computer %1").arg(QString::fromStdString(wer.prozess.rechner));
    text += QStringLiteral(".\n\nSchreibgeschützt öffnen: Sie sehen den Plan und können ihn unter einem "
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

} // namespace orbela
