#pragma once

#include <QWidget>

class QPushButton;

namespace orbela {

class CodeFeld;

// Page "Klassen": the class record of the selected column and the column
// commands.
class KlassenSeite : public QWidget {
    Q_OBJECT
public:
    explicit KlassenSeite(QWidget* parent = nullptr);

    CodeFeld* Edit7 = nullptr;  // "Klasse"
    CodeFeld* Edit8 = nullptr;  // "Klassenlehrer"
    CodeFeld* Edit9 = nullptr;  // "Klassenraum"
    CodeFeld* Edit12 = nullptr; // "Wochenstunden"
    QPushButton* BitBtn5 = nullptr; // "einf."
    QPushButton* BitBtn6 = nullptr; // "autom."
    QPushButton* BitBtn7 = nullptr; // "löschen"
};

} // namespace orbela
