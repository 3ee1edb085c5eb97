#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "canvas/canvas.h"

class QPaintDevice;

namespace orbela {

// The canvas over a Qt paint device: a screen image (QImage, 96 dpi) or a
// printer page (its own resolution). Point sizes are turned into pixels with
// the device's resolution, so 12/10/8 points are 16/13/11 pixels on screen.
// The painter is opened at the first drawing operation and stays open until
// `abschliessen`, which must be called before the device is shown or ended.
class QtCanvas final : public Canvas {
public:
    QtCanvas(QPaintDevice& geraet, int dpi);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void rechteck(int x1, int y1, int x2, int y2) override;
    void fuelle_rechteck(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, std::string_view text_1252) override;
    int text_breite(std::string_view text_1252) override;

    // Opens the painter now rather than at the first drawing operation; on a
    // printer this starts the job. False when the device refuses.
    bool beginnen();
    // Ends the painter so the device's pixels are complete.
    void abschliessen();

protected:
    void zeichne_linie(int x1, int y1, int x2, int y2) override;

private:
    // A text laid out once in one font, with its width.
    struct GesetzterText {
        QStaticText layout;
        int breite = 0;
    };
    // A font with its metrics and its laid-out texts.
    struct SchriftEintrag {
        Schrift schrift;
        QFont font;
        std::unique_ptr<QFontMetrics> metrik;
        int hoehe = 0;
        std::unordered_map<std::string, GesetzterText> texte;
    };

    QPainter& painter();
    SchriftEintrag& aktuelle_schrift();
    const GesetzterText& gesetzter_text(SchriftEintrag& eintrag, std::string_view text_1252);
    static QColor qfarbe(Farbe f) { return QColor(f.r, f.g, f.b); }
    QColor pinsel_qfarbe() const { return QColor(pinsel().farbe.r, pinsel().farbe.g, pinsel().farbe.b, pinsel().deckung); }

    QPaintDevice& geraet_;
    int dpi_;
    QPainter painter_;
    std::vector<std::unique_ptr<SchriftEintrag>> schriften_;
    SchriftEintrag* letzte_schrift_ = nullptr;
    const QFont* painter_font_ = nullptr;
};

} // namespace orbela
