#include "ui/seitenansichten.h"

#include "ui/bild_widget.h"

namespace orbela {

namespace {
struct BildLage {
    int blatt;
    int x;
    int y;
    int breite;
    int hoehe;
};
// Image n at index n - 2: its sheet, place and bitmap size.
constexpr std::array<BildLage, 10> lagen = {{
    {0, 0, 3, 140, 150},    // Image2: teacher
    {0, 144, 3, 140, 150},  // Image3: second teacher
    {0, 296, 3, 140, 150},  // Image4: room
    {0, 443, 3, 140, 150},  // Image5: second room
    {2, 40, 24, 500, 90},   // Image6: class statistics
    {1, 48, 0, 280, 150},   // Image7: class week
    {1, 360, 0, 80, 150},   // Image8: teacher tally
    {1, 456, 0, 80, 150},   // Image9: subject tally
    {3, 40, 8, 500, 60},    // Image10: teachers 1..19
    {3, 40, 80, 500, 60},   // Image11: teachers 20..38
}};
} // namespace

Seitenansichten::Seitenansichten(QWidget* parent)
    : QTabWidget(parent)
{
    QFont schrift = font();
    schrift.setPixelSize(13);
    setFont(schrift);

    std::array<QWidget*, 4> blaetter{};
    const std::array<QString, 4> titel = {QStringLiteral("Lehrer/Raum"), QStringLiteral("Klasse"),
                                          QStringLiteral("alle Klassen"), QStringLiteral("alle Lehrer")};
    for (std::size_t i = 0; i < blaetter.size(); ++i) {
        blaetter[i] = new QWidget(this);
        blaetter[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        addTab(blaetter[i], titel[i]);
    }
    for (int n = 2; n <= 11; ++n) {
        const BildLage& l = lagen[static_cast<std::size_t>(n - 2)];
        auto* b = new BildWidget(l.breite, l.hoehe, blaetter[static_cast<std::size_t>(l.blatt)]);
        b->setObjectName(QStringLiteral("Image%1").arg(n));
        b->move(l.x, l.y);
        bilder_[static_cast<std::size_t>(n)] = b;
    }
    setCurrentIndex(0);
}

} // namespace orbela
