#pragma once

#include <QDialog>

namespace orbela {

// Moves a window so that it stands in the middle of its screen's free area
// (never above or left of it, should it be larger).
void auf_bildschirm_zentrieren(QWidget& fenster);

// A dialog that opens centred on the screen rather than over its parent.
class ZentrierterDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace orbela
