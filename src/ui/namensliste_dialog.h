#pragma once

#include "ui/zentrieren.h"

class QListWidget;
class QPushButton;

namespace orbela {

// "Namensliste": every surname of the card index, one line per card, to pick
// a card from.
class NamenslisteDialog : public ZentrierterDialog {
    Q_OBJECT
public:
    explicit NamenslisteDialog(QWidget* parent = nullptr);

    // The picked line, counted from 0, or -1 when no line is selected.
    int gewaehlte_zeile() const;

    QListWidget* ListBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "OK"
};

} // namespace orbela
