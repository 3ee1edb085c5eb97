#pragma once

#include <QImage>
#include <QRect>

// Whether any pixel of the area has exactly this colour.
inline bool hat_farbe(const QImage& bild, QRect bereich, QRgb farbe)
{
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            if (bild.pixel(x, y) == farbe)
                return true;
        }
    }
    return false;
}
