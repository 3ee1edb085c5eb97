#include "canvas/aufzeichnungs_canvas.h"

namespace orbela {

void AufzeichnungsCanvas::aufnehmen(Art art, int x1, int y1, int x2, int y2, std::string_view text)
{
    ops_.push_back(Operation{art, x1, y1, x2, y2, std::string(text), stift(), pinsel(), schrift()});
}

void AufzeichnungsCanvas::rechteck(int x1, int y1, int x2, int y2)
{
    aufnehmen(Art::rechteck, x1, y1, x2, y2);
}

void AufzeichnungsCanvas::fuelle_rechteck(int x1, int y1, int x2, int y2)
{
    aufnehmen(Art::gefuellt, x1, y1, x2, y2);
}

void AufzeichnungsCanvas::text(int x, int y, std::string_view text_1252)
{
    if (text_1252.empty())
        return;
    aufnehmen(Art::text, x, y, x + text_breite(text_1252), y, text_1252);
}

int AufzeichnungsCanvas::text_breite(std::string_view text_1252)
{
    return static_cast<int>(text_1252.size()) * 6;
}

void AufzeichnungsCanvas::zeichne_linie(int x1, int y1, int x2, int y2)
{
    aufnehmen(Art::linie, x1, y1, x2, y2);
}

std::vector<const AufzeichnungsCanvas::Operation*> AufzeichnungsCanvas::texte_bei(int x, int y) const
{
    std::vector<const Operation*> aus;
    for (const auto& op : ops_) {
        if (op.art == Art::text && op.x1 == x && op.y1 == y)
            aus.push_back(&op);
    }
    return aus;
}

const AufzeichnungsCanvas::Operation* AufzeichnungsCanvas::letzter_text_bei(int x, int y) const
{
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        if (it->art == Art::text && it->x1 == x && it->y1 == y)
            return &*it;
    }
    return nullptr;
}

namespace {
std::vector<const AufzeichnungsCanvas::Operation*>
alle_der_art(const std::vector<AufzeichnungsCanvas::Operation>& ops, AufzeichnungsCanvas::Art art)
{
    std::vector<const AufzeichnungsCanvas::Operation*> aus;
    for (const auto& op : ops) {
        if (op.art == art)
            aus.push_back(&op);
    }
    return aus;
}
} // namespace

std::vector<const AufzeichnungsCanvas::Operation*> AufzeichnungsCanvas::texte() const
{
    return alle_der_art(ops_, Art::text);
}

std::vector<const AufzeichnungsCanvas::Operation*> AufzeichnungsCanvas::linien() const
{
    return alle_der_art(ops_, Art::linie);
}

std::vector<const AufzeichnungsCanvas::Operation*> AufzeichnungsCanvas::rechtecke() const
{
    return alle_der_art(ops_, Art::rechteck);
}

} // namespace orbela
