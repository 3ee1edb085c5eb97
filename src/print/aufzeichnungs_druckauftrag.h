#pragma once

#include <memory>
#include <vector>

#include "canvas/aufzeichnungs_canvas.h"
#include "print/druckauftrag.h"

namespace orbela {

// A print job that keeps every page as a recording canvas, for tests. The
// page size is given for portrait; landscape swaps it, as printers do.
class AufzeichnungsDruckauftrag final : public Druckauftrag {
public:
    explicit AufzeichnungsDruckauftrag(int breite_hoch = 4800, int hoehe_hoch = 6600);

    void beginnen(Ausrichtung ausrichtung) override;
    Ausrichtung ausrichtung() const override { return ausrichtung_; }
    int seitenbreite() const override;
    int seitenhoehe() const override;
    Canvas& canvas() override;
    using Druckauftrag::neue_seite;
    void neue_seite(Ausrichtung ausrichtung) override;
    void beenden() override;

    bool begonnen() const { return begonnen_; }
    bool beendet() const { return beendet_; }
    int seitenzahl() const { return static_cast<int>(seiten_.size()); }
    // Page n, one-based.
    const AufzeichnungsCanvas& seite(int n = 1) const { return *seiten_.at(static_cast<std::size_t>(n - 1)); }

private:
    int breite_hoch_;
    int hoehe_hoch_;
    Ausrichtung ausrichtung_ = Ausrichtung::hochformat;
    bool begonnen_ = false;
    bool beendet_ = false;
    std::vector<std::unique_ptr<AufzeichnungsCanvas>> seiten_;
};

} // namespace orbela
