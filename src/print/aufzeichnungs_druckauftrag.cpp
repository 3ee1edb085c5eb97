#include "print/aufzeichnungs_druckauftrag.h"

#include <stdexcept>

namespace orbela {

AufzeichnungsDruckauftrag::AufzeichnungsDruckauftrag(int breite_hoch, int hoehe_hoch)
    : breite_hoch_(breite_hoch)
    , hoehe_hoch_(hoehe_hoch)
{
}

void AufzeichnungsDruckauftrag::beginnen(Ausrichtung ausrichtung)
{
    ausrichtung_ = ausrichtung;
    begonnen_ = true;
    seiten_.push_back(std::make_unique<AufzeichnungsCanvas>());
}

int AufzeichnungsDruckauftrag::seitenbreite() const
{
    return ausrichtung_ == Ausrichtung::hochformat ? breite_hoch_ : hoehe_hoch_;
}

int AufzeichnungsDruckauftrag::seitenhoehe() const
{
    return ausrichtung_ == Ausrichtung::hochformat ? hoehe_hoch_ : breite_hoch_;
}

Canvas& AufzeichnungsDruckauftrag::canvas()
{
    if (seiten_.empty())
        throw std::logic_error("Druckauftrag nicht begonnen");
    return *seiten_.back();
}

void AufzeichnungsDruckauftrag::neue_seite(Ausrichtung ausrichtung)
{
    const Canvas& alt = canvas();
    ausrichtung_ = ausrichtung;
    auto neu = std::make_unique<AufzeichnungsCanvas>();
    neu->setze_stift_farbe(alt.stift().farbe);
    neu->setze_stift_breite(alt.stift().breite);
    neu->setze_pinsel_farbe(alt.pinsel().farbe);
    neu->setze_pinsel_stil(alt.pinsel().stil);
    neu->setze_schrift(alt.schrift());
    seiten_.push_back(std::move(neu));
}

void AufzeichnungsDruckauftrag::beenden()
{
    beendet_ = true;
}

} // namespace orbela
