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
    letzter_schluessel_.clear();
    gespeichert_ = gespeichert ? std::optional<std::size_t>(0) : std::nullopt;
}

void Planverlauf::aufzeichnen(const plantyp& stand, const std::string& schluessel)
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
    const bool falten = !schluessel.empty() && schluessel == letzter_schluessel_ && position_ > 0
                        && gespeichert_ != position_;
    letzter_schluessel_ = schluessel;
    if (falten) {
        *staende_.back() = stand;
        return;
    }
    staende_.push_back(kopie(stand));
    ++position_;
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
    letzter_schluessel_.clear();
    return true;
}

bool Planverlauf::wiederholen(plantyp& plan)
{
    if (!kann_wiederholen())
        return false;
    ++position_;
    plan = *staende_[position_];
    letzter_schluessel_.clear();
    return true;
}

void Planverlauf::als_gespeichert_markieren()
{
    gespeichert_ = position_;
    letzter_schluessel_.clear();
}

} // namespace orbela
