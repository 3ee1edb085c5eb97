#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "canvas/farbe.h"

namespace orbela {

struct Stift {
    Farbe farbe = farben::schwarz;
    int breite = 1;
    friend bool operator==(const Stift&, const Stift&) = default;
};

enum class PinselStil { voll, klar };

struct Pinsel {
    Farbe farbe = farben::weiss;
    PinselStil stil = PinselStil::voll;
    // 255 covers what lies below; less lets it show through (overlays).
    std::uint8_t deckung = 255;
    friend bool operator==(const Pinsel&, const Pinsel&) = default;
};

struct Schrift {
    std::string name = "Arial";
    int groesse = 8; // points
    Farbe farbe = farben::schwarz;
    bool fett = false;
    friend bool operator==(const Schrift&, const Schrift&) = default;
};

// The drawing surface every picture and printout is drawn through: integer
// device coordinates, origin top left. Pen, brush and font stay set until
// changed, as on a bitmap's canvas, so each image keeps its own Canvas.
// Texts are Windows-1252 bytes.
class Canvas {
public:
    virtual ~Canvas() = default;

    const Stift& stift() const { return stift_; }
    const Pinsel& pinsel() const { return pinsel_; }
    const Schrift& schrift() const { return schrift_; }

    void setze_stift_farbe(Farbe f) { stift_.farbe = f; }
    void setze_stift_breite(int b) { stift_.breite = b; }
    void setze_pinsel_farbe(Farbe f) { pinsel_.farbe = f; }
    void setze_pinsel_stil(PinselStil s) { pinsel_.stil = s; }
    void setze_pinsel_deckung(std::uint8_t d) { pinsel_.deckung = d; }
    void setze_schrift(const Schrift& s) { schrift_ = s; }
    void setze_schrift_name(std::string_view n) { schrift_.name = std::string(n); }
    void setze_schrift_groesse(int punkte) { schrift_.groesse = punkte; }
    void setze_schrift_farbe(Farbe f) { schrift_.farbe = f; }
    void setze_schrift_fett(bool f) { schrift_.fett = f; }

    // Outline in the pen, filled with the brush when it is solid; covers
    // x1..x2-1 and y1..y2-1.
    virtual void rechteck(int x1, int y1, int x2, int y2) = 0;
    // The same area filled with the brush, no outline.
    virtual void fuelle_rechteck(int x1, int y1, int x2, int y2) = 0;
    void bewege_zu(int x, int y)
    {
        pos_x_ = x;
        pos_y_ = y;
    }
    // A line in the pen from the current point; the end point is not drawn
    // and becomes the current point.
    void linie_zu(int x, int y)
    {
        zeichne_linie(pos_x_, pos_y_, x, y);
        pos_x_ = x;
        pos_y_ = y;
    }
    void linie(int x1, int y1, int x2, int y2)
    {
        bewege_zu(x1, y1);
        linie_zu(x2, y2);
    }
    // The text's top-left corner at (x, y); with a solid brush its cell is
    // filled with the brush colour first. An empty text draws nothing.
    virtual void text(int x, int y, std::string_view text_1252) = 0;
    virtual int text_breite(std::string_view text_1252) = 0;

protected:
    virtual void zeichne_linie(int x1, int y1, int x2, int y2) = 0;

private:
    Stift stift_;
    Pinsel pinsel_;
    Schrift schrift_;
    int pos_x_ = 0;
    int pos_y_ = 0;
};

} // namespace orbela
