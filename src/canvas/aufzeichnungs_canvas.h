#pragma once

#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace orbela {

// A canvas that draws nothing and keeps every operation with the pen, brush
// and font in force, so tests can ask what a picture consists of.
class AufzeichnungsCanvas final : public Canvas {
public:
    enum class Art { rechteck, gefuellt, linie, text };

    struct Operation {
        Art art;
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
        std::string text;
        Stift stift;
        Pinsel pinsel;
        Schrift schrift;
    };

    void rechteck(int x1, int y1, int x2, int y2) override;
    void fuelle_rechteck(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, std::string_view text_1252) override;
    // A fixed width per character, so tests can compute layouts by hand.
    int text_breite(std::string_view text_1252) override;

    const std::vector<Operation>& operationen() const { return ops_; }
    void vergessen() { ops_.clear(); }

    // All texts drawn with the top-left corner at (x, y), oldest first.
    std::vector<const Operation*> texte_bei(int x, int y) const;
    // The text drawn last at (x, y), which is what the picture shows there.
    const Operation* letzter_text_bei(int x, int y) const;
    // Every text operation, oldest first.
    std::vector<const Operation*> texte() const;
    std::vector<const Operation*> linien() const;
    std::vector<const Operation*> rechtecke() const;

protected:
    void zeichne_linie(int x1, int y1, int x2, int y2) override;

private:
    void aufnehmen(Art art, int x1, int y1, int x2, int y2, std::string_view text = {});

    std::vector<Operation> ops_;
};

} // namespace orbela
