#pragma once

#include <QWidget>

namespace orbela {

class Befehlslauf;
class CodeFeld;
class Sitzung;

// Page "Stunden": begin and end of the selected lesson, with their handlers.
class StundenSeite : public QWidget {
    Q_OBJECT
public:
    StundenSeite(Sitzung& sitzung, Befehlslauf& lauf, QWidget* parent = nullptr);

    // Shows the times of the selected lesson.
    void zeige_zeit();

private:
    void Edit10Change();
    void Edit11Change();

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    CodeFeld* edit10 = nullptr; // "Beginn der Stunde"
    CodeFeld* edit11 = nullptr; // "Ende der Stunde"
};

} // namespace orbela
