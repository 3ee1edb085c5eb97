#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/zentrieren.h"

class QPushButton;
class QTableWidget;

namespace orbela {

// "Vertretungen je Lehrer": every teacher with the lessons they cover this
// week, sorted by a click on a column head; "Drucken" prints the lines in
// the order shown.
class VertretungszahlenDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    using Zeilen = std::vector<std::pair<std::string, int>>; // code (Windows-1252), count

    // `ordner` names the week's folder, empty when there is none yet.
    VertretungszahlenDialog(const Zeilen& zeilen, const QString& ordner,
                            std::function<void(const Zeilen&)> drucken, QWidget* parent = nullptr);

    // The lines in the order shown.
    Zeilen gezeigt() const;

    QTableWidget* tabelle = nullptr;
    QPushButton* druckknopf = nullptr;

private:
    std::function<void(const Zeilen&)> drucken_;
};

} // namespace orbela
