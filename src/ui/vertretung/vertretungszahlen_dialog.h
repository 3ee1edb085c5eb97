#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/drucken/druckknoepfe.h"
#include "ui/zentrieren.h"

class QPushButton;
class QTableWidget;

namespace orbela {

// "Vertretungen je Lehrer": every teacher with the lessons they cover this
// week, sorted by a click on a column head; "Drucken" prints the lines in
// the order shown, "Vorschau..." and "Als PDF..." show or save them.
class VertretungszahlenDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    using Zeilen = std::vector<std::pair<std::string, int>>; // code (Windows-1252), count

    // `ordner` names the week's folder, empty when there is none yet.
    VertretungszahlenDialog(const Zeilen& zeilen, const QString& ordner,
                            std::function<void(const Zeilen&, Druckziel)> drucken, QWidget* parent = nullptr);

    // The lines in the order shown.
    Zeilen gezeigt() const;

    QTableWidget* tabelle = nullptr;
    Druckknoepfe druckknoepfe;

private:
    std::function<void(const Zeilen&, Druckziel)> drucken_;
};

} // namespace orbela
