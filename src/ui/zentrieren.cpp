#include "ui/zentrieren.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace orbela {

void auf_bildschirm_zentrieren(QWidget& fenster)
{
    QScreen* schirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    if (schirm == nullptr)
        return;
    const QRect frei = schirm->availableGeometry();
    QRect lage = fenster.frameGeometry();
    lage.moveCenter(frei.center());
    fenster.move(std::max(lage.left(), frei.left()), std::max(lage.top(), frei.top()));
}

void ZentrierterDialog::showEvent(QShowEvent* event)
{
    auf_bildschirm_zentrieren(*this);
    QDialog::showEvent(event);
}

} // namespace orbela
