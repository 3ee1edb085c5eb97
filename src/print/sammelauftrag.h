#pragma once

#include "print/druckauftrag.h"

namespace orbela {

// Several printouts as the pages of one job, e.g. every chosen class plan in
// one PDF file or one preview. Each printout begins and ends its job as
// usual: the first `beginnen` starts the job underneath, every further one
// starts a new page there in the printout's orientation, and `beenden` only
// closes the printout. `abschliessen` ends the job underneath once all
// printouts are drawn.
class Sammelauftrag final : public Druckauftrag {
public:
    explicit Sammelauftrag(Druckauftrag& ziel)
        : ziel_(ziel)
    {
    }

    void beginnen(Ausrichtung ausrichtung) override;
    Ausrichtung ausrichtung() const override { return ziel_.ausrichtung(); }
    int seitenbreite() const override { return ziel_.seitenbreite(); }
    int seitenhoehe() const override { return ziel_.seitenhoehe(); }
    Canvas& canvas() override { return ziel_.canvas(); }
    using Druckauftrag::neue_seite;
    void neue_seite(Ausrichtung ausrichtung) override { ziel_.neue_seite(ausrichtung); }
    void beenden() override {}

    // True once the first printout has begun.
    bool begonnen() const { return begonnen_; }
    // Ends the job underneath (when anything was printed).
    void abschliessen();

private:
    Druckauftrag& ziel_;
    bool begonnen_ = false;
};

} // namespace orbela
