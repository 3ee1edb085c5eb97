#pragma once

#include <QWidget>

namespace orbela {

class CodeFeld;

// Page "Stunden": begin and end of the selected lesson.
class StundenSeite : public QWidget {
    Q_OBJECT
public:
    explicit StundenSeite(QWidget* parent = nullptr);

    CodeFeld* edit10 = nullptr; // "Beginn der Stunde"
    CodeFeld* edit11 = nullptr; // "Ende der Stunde"
};

} // namespace orbela
