#pragma once

#include <QWidget>

class QPushButton;

namespace orbela {

class Befehlslauf;
class CodeFeld;
class Sitzung;

// Page "Klassen": the class record of the selected column and the column
// commands, with their handlers.
class KlassenSeite : public QWidget {
    Q_OBJECT
public:
    KlassenSeite(Sitzung& sitzung, Befehlslauf& lauf, QWidget* parent = nullptr);

    // Shows the record of the selected class.
    void zeige_klasse();

signals:
    // A column command is done; the page closes.
    void spalteGeaendert();

private:
    // "einf.", "löschen", "autom." for the selected class column.
    void spalte_einfuegen();
    void spalte_loeschen();
    void automatisch_fuellen();
    // A field of the class record changed: the text goes into the plan.
    void klassenfeld_geaendert(const CodeFeld& edit);

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    CodeFeld* klasse_feld_ = nullptr;      // "Klasse"
    CodeFeld* klassenlehrer_feld_ = nullptr;      // "Klassenlehrer"
    CodeFeld* klassenraum_feld_ = nullptr;      // "Klassenraum"
    CodeFeld* wochenstunden_feld_ = nullptr;     // "Wochenstunden"
    QPushButton* einfuegen_knopf_ = nullptr; // "einf."
    QPushButton* fuellen_knopf_ = nullptr; // "autom."
    QPushButton* loeschen_knopf_ = nullptr; // "löschen"
};

} // namespace orbela
