#include "canvas/qt_canvas.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <cmath>

#include "canvas/qt_text_1252.h"

namespace orbela {

namespace {

// The typefaces the pictures ask for, mapped to what a Linux desktop has.
QFont font_fuer(const Schrift& s, int dpi)
{
    QFont f;
    if (s.name == "MS Sans Serif") {
        f.setFamily(QStringLiteral("Sans Serif"));
    } else if (s.name == "Arial") {
        f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    } else {
        f.setFamily(QString::fromStdString(s.name));
    }
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(s.groesse * dpi / 72.0))));
    f.setBold(s.fett);
    return f;
}

constexpr std::size_t max_gecachte_texte = 4096;

} // namespace

QtCanvas::QtCanvas(QPaintDevice& geraet, int dpi)
    : geraet_(geraet)
    , dpi_(dpi)
{
}

QtCanvas::~QtCanvas()
{
    abschliessen();
}

void QtCanvas::abschliessen()
{
    if (painter_.isActive())
        painter_.end();
    painter_font_ = nullptr;
}

bool QtCanvas::beginnen()
{
    painter();
    return painter_.isActive();
}

QPainter& QtCanvas::painter()
{
    if (!painter_.isActive() && painter_.begin(&geraet_)) {
        // A recorded picture is a print preview, drawn scaled down to the
        // screen: smoothed there, a line thinner than a pixel stays visible.
        // Images, PDF files and printers are drawn exactly.
        const QPaintEngine* engine = painter_.paintEngine();
        painter_.setRenderHint(QPainter::Antialiasing, engine != nullptr && engine->type() == QPaintEngine::Picture);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_font_ = nullptr;
    }
    return painter_;
}

QtCanvas::SchriftEintrag& QtCanvas::aktuelle_schrift()
{
    if (letzte_schrift_ != nullptr && letzte_schrift_->schrift.name == schrift().name
        && letzte_schrift_->schrift.groesse == schrift().groesse
        && letzte_schrift_->schrift.fett == schrift().fett)
        return *letzte_schrift_;
    for (auto& e : schriften_) {
        if (e->schrift.name == schrift().name && e->schrift.groesse == schrift().groesse
            && e->schrift.fett == schrift().fett) {
            letzte_schrift_ = e.get();
            return *e;
        }
    }
    auto e = std::make_unique<SchriftEintrag>();
    e->schrift = schrift();
    e->font = font_fuer(schrift(), dpi_);
    e->metrik = std::make_unique<QFontMetrics>(e->font, &geraet_);
    e->hoehe = e->metrik->height();
    letzte_schrift_ = e.get();
    schriften_.push_back(std::move(e));
    return *letzte_schrift_;
}

const QtCanvas::GesetzterText& QtCanvas::gesetzter_text(SchriftEintrag& eintrag, std::string_view text_1252)
{
    std::string schluessel(text_1252);
    auto it = eintrag.texte.find(schluessel);
    if (it != eintrag.texte.end())
        return it->second;
    if (eintrag.texte.size() >= max_gecachte_texte)
        eintrag.texte.clear();
    const QString text = qstring_aus_1252(text_1252);
    GesetzterText gesetzt{QStaticText(text), eintrag.metrik->horizontalAdvance(text)};
    gesetzt.layout.setTextFormat(Qt::PlainText);
    gesetzt.layout.setPerformanceHint(QStaticText::AggressiveCaching);
    gesetzt.layout.prepare(QTransform(), eintrag.font);
    return eintrag.texte.emplace(std::move(schluessel), std::move(gesetzt)).first->second;
}

void QtCanvas::rechteck(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    QPainter& p = painter();
    if (pinsel().stil == PinselStil::voll)
        p.fillRect(x1, y1, x2 - x1, y2 - y1, pinsel_qfarbe());
    const QColor farbe = qfarbe(stift().farbe);
    const int b = std::max(1, stift().breite);
    const int w = x2 - x1;
    const int h = y2 - y1;
    p.fillRect(x1, y1, w, std::min(b, h), farbe);
    p.fillRect(x1, std::max(y1, y2 - b), w, std::min(b, h), farbe);
    p.fillRect(x1, y1, std::min(b, w), h, farbe);
    p.fillRect(std::max(x1, x2 - b), y1, std::min(b, w), h, farbe);
}

void QtCanvas::fuelle_rechteck(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1 || pinsel().stil != PinselStil::voll)
        return;
    painter().fillRect(x1, y1, x2 - x1, y2 - y1, pinsel_qfarbe());
}

void QtCanvas::zeichne_linie(int x1, int y1, int x2, int y2)
{
    QPainter& p = painter();
    const QColor farbe = qfarbe(stift().farbe);
    const int b = std::max(1, stift().breite);
    // Straight lines are filled pixel runs: exact, fast, end point excluded.
    if (y1 == y2) {
        if (x1 == x2)
            return;
        const int von = x1 < x2 ? x1 : x2 + 1;
        p.fillRect(von, y1 - b / 2, std::abs(x2 - x1), b, farbe);
        return;
    }
    if (x1 == x2) {
        const int von = y1 < y2 ? y1 : y2 + 1;
        p.fillRect(x1 - b / 2, von, b, std::abs(y2 - y1), farbe);
        return;
    }
    QPen stift_qt(farbe);
    stift_qt.setWidth(b);
    stift_qt.setCapStyle(Qt::FlatCap);
    p.setPen(stift_qt);
    p.drawLine(x1, y1, x2, y2);
}

void QtCanvas::text(int x, int y, std::string_view text_1252)
{
    if (text_1252.empty())
        return;
    QPainter& p = painter();
    SchriftEintrag& eintrag = aktuelle_schrift();
    const GesetzterText& gesetzt = gesetzter_text(eintrag, text_1252);
    if (pinsel().stil == PinselStil::voll)
        p.fillRect(x, y, gesetzt.breite, eintrag.hoehe, pinsel_qfarbe());
    if (painter_font_ != &eintrag.font) {
        p.setFont(eintrag.font);
        painter_font_ = &eintrag.font;
    }
    p.setPen(qfarbe(schrift().farbe));
    p.drawStaticText(x, y, gesetzt.layout);
}

int QtCanvas::text_breite(std::string_view text_1252)
{
    return gesetzter_text(aktuelle_schrift(), text_1252).breite;
}

} // namespace orbela
