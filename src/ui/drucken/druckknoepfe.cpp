#include "ui/drucken/druckknoepfe.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace orbela {

Druckknoepfe druckknoepfe_anlegen(QDialogButtonBox& knoepfe, std::function<void(Druckziel)> drucken)
{
    const auto knopf = [&](const QString& text, Druckziel ziel) {
        QPushButton* k = knoepfe.addButton(text, QDialogButtonBox::ActionRole);
        QObject::connect(k, &QPushButton::clicked, &knoepfe, [drucken, ziel] {
            if (drucken)
                drucken(ziel);
        });
        return k;
    };
    Druckknoepfe k;
    k.drucken = knopf(QStringLiteral("Drucken"), Druckziel::drucker);
    k.vorschau = knopf(QStringLiteral("Vorschau..."), Druckziel::vorschau);
    k.als_pdf = knopf(QStringLiteral("Als PDF..."), Druckziel::pdf);
    return k;
}

} // namespace orbela
