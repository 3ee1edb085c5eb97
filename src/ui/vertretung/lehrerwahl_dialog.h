#pragma once

#include <string>
#include <vector>

#include "ui/zentrieren.h"

class QListWidget;
class QPushButton;

namespace orbela {

// "Lehrerwahl": picks the absent teacher from the codes of the plan. Its
// result is OK only through the OK button.
class LehrerwahlDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit LehrerwahlDialog(QWidget* parent = nullptr);

    // Empties the list and fills it with the codes (Windows-1252), in order.
    void fuellen(const std::vector<std::string>& codes);
    // Whether a line is selected, and its code.
    bool hat_auswahl() const;
    std::string gewaehlt() const;

private:
    QListWidget* liste_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace orbela
