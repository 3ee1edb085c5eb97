#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/sitzung.h"
#include "core/wochenkonflikte.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace orbela {

// "Konflikte der Woche": every conflict of the six days as the grid marks
// it, one line each with day, lesson, classes, code and kind, and their
// count above. Not modal; while it is open it follows every change the
// session tells its listeners. "Lösen..." asks for swap chains that remove
// the chosen conflict.
class KonflikteFenster : public QDialog {
    Q_OBJECT
public:
    explicit KonflikteFenster(Sitzung& sitzung, QWidget* parent = nullptr);
    ~KonflikteFenster() override;

    const std::vector<Konflikt>& konflikte() const { return konflikte_; }
    // "3 Konflikte", "1 Konflikt", "Keine Konflikte".
    static QString anzahl_text(std::size_t anzahl);
    static QString art_text(Konfliktart art);

    QLabel* Anzahl = nullptr;
    QTreeWidget* Liste = nullptr;

public slots:
    // Scans the session's plan again with its teacher list and options and
    // changes only the line texts that differ from what is shown.
    void aktualisieren();

signals:
    // A line was double-clicked: the cell of its first class.
    void zelleGewaehlt(int tag, int stunde, int klasse);
    // "Lösen..." for the chosen line.
    void loesenGewuenscht(const orbela::Konflikt& konflikt);

private:
    // What the lines were built from.
    struct Stand {
        std::vector<Konflikt> konflikte;
        std::array<std::string, anzahl_klassen + 1> klassen;
        bool stunden_0_8 = false;
        bool operator==(const Stand&) const = default;
    };

    Sitzung& sitzung_;
    int beobachter_ = 0;
    QPushButton* loesen_ = nullptr;
    std::vector<Konflikt> konflikte_;
    std::optional<Stand> gezeigt_;
};

} // namespace orbela
