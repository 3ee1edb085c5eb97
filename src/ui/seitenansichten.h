#pragma once

#include <QTabWidget>
#include <array>

namespace orbela {

class BildWidget;

// The page control below the grid with the four sheets of side views and
// their images Image2..Image11.
class Seitenansichten : public QTabWidget {
    Q_OBJECT
public:
    explicit Seitenansichten(QWidget* parent = nullptr);

    // Image n for n = 2..11.
    BildWidget* bild(int n) const { return bilder_[static_cast<std::size_t>(n)]; }

private:
    std::array<BildWidget*, 12> bilder_{};
};

} // namespace orbela
