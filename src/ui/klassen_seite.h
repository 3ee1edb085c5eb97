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
    void Edit7Change();
    void Edit8Change();
    void Edit9Change();
    void Edit12Change();
    void BitBtn5Click();
    void BitBtn7Click();
    void BitBtn6Click();

    void klassenfeld_geaendert(const CodeFeld& edit);

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    CodeFeld* Edit7 = nullptr;      // "Klasse"
    CodeFeld* Edit8 = nullptr;      // "Klassenlehrer"
    CodeFeld* Edit9 = nullptr;      // "Klassenraum"
    CodeFeld* Edit12 = nullptr;     // "Wochenstunden"
    QPushButton* BitBtn5 = nullptr; // "einf."
    QPushButton* BitBtn6 = nullptr; // "autom."
    QPushButton* BitBtn7 = nullptr; // "löschen"
};

} // namespace orbela
