#include "core/planverlauf.h"

namespace orbela {

namespace {
std::unique_ptr<plantyp> kopie(const plantyp& stand)
{
    return std::make_unique<plantyp>(stand);
}
} // namespace

void Planverlauf::beginnen(const plantyp& stand, bool gespeichert)
{
    staende_.clear();
    staende_.push_back(kopie(stand));
    position_ = 0;
    letzter_schluessel_ = {};
    schritt_ = Schrittstand::eigen;
    gespeichert_ = gespeichert ? std::optional<std::size_t>(0) : std::nullopt;
}

void Planverlauf::aufzeichnen(const plantyp& stand, const Faltschluessel& schluessel)
{
    if (staende_.empty()) {
        beginnen(stand);
        gespeichert_.reset();
        return;
    }
    // Redo is gone once the plan takes another way.
    staende_.resize(position_ + 1);
    if (gespeichert_ && *gespeichert_ > position_)
        gespeichert_.reset();

    // Folding into the current step keeps one step per field of one cell,
    // but never changes the state that was saved or begun with.
    const bool falten = schluessel.art != Faltschluessel::Art::keiner && schluessel == letzter_schluessel_ && position_ > 0
                        && gespeichert_ != position_;
    letzter_schluessel_ = schluessel;
    if (falten && schritt_ == Schrittstand::leer) {
        // The state folded over is kept while the step may still split off.
        if (vor_faltung_)
            *vor_faltung_ = stand;
        else
            vor_faltung_ = kopie(stand);
        std::swap(vor_faltung_, staende_.back());
        schritt_ = Schrittstand::gefaltet;
        return;
    }
    if (falten) {
        *staende_.back() = stand;
        return;
    }
    schritt_ = Schrittstand::eigen;
    staende_.push_back(kopie(stand));
    ++position_;
    kuerzen();
}

void Planverlauf::abspalten(const Faltschluessel& schluessel)
{
    if (schritt_ == Schrittstand::gefaltet) {
        std::unique_ptr<plantyp> neu = std::move(staende_.back());
        staende_.back() = std::move(vor_faltung_);
        staende_.push_back(std::move(neu));
        ++position_;
        kuerzen();
    }
    schritt_ = Schrittstand::eigen;
    letzter_schluessel_ = schluessel;
}

void Planverlauf::kuerzen()
{
    if (staende_.size() > static_cast<std::size_t>(tiefe) + 1) {
        staende_.pop_front();
        --position_;
        if (gespeichert_)
            gespeichert_ = *gespeichert_ == 0 ? std::nullopt : std::optional<std::size_t>(*gespeichert_ - 1);
    }
}

bool Planverlauf::rueckgaengig(plantyp& plan)
{
    if (!kann_rueckgaengig())
        return false;
    --position_;
    plan = *staende_[position_];
    letzter_schluessel_ = {};
    schritt_ = Schrittstand::eigen;
    return true;
}

bool Planverlauf::wiederholen(plantyp& plan)
{
    if (!kann_wiederholen())
        return false;
    ++position_;
    plan = *staende_[position_];
    letzter_schluessel_ = {};
    schritt_ = Schrittstand::eigen;
    return true;
}

void Planverlauf::als_gespeichert_markieren()
{
    gespeichert_ = position_;
    letzter_schluessel_ = {};
}

} // namespace orbela
