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
    // The begin or end field changed: the time goes into the plan.
    void beginn_geaendert();
    void ende_geaendert();

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    CodeFeld* beginn_feld_ = nullptr; // "Beginn der Stunde"
    CodeFeld* ende_feld_ = nullptr; // "Ende der Stunde"
};

} // namespace orbela
