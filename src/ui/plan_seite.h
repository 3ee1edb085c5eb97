#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QToolButton;

namespace orbela {

class CodeFeld;
class FokusKnopf;

// Page "Plan" of the editing area: the six code fields of the selected
// cell, the check boxes that make them Tab stops, the advance button and
// the copy button.
class PlanSeite : public QWidget {
    Q_OBJECT
public:
    explicit PlanSeite(QWidget* parent = nullptr);

    // edit1..edit6 and CheckBox1..CheckBox6 are at index 1..6.
    CodeFeld* edit(int n) const { return edits_[static_cast<std::size_t>(n)]; }
    QCheckBox* checkBox(int n) const { return checks_[static_cast<std::size_t>(n)]; }
    FokusKnopf* bitBtn2() const { return bitBtn2_; }
    QToolButton* speedButton1() const { return speedButton1_; }

private:
    std::array<CodeFeld*, 7> edits_{};
    std::array<QCheckBox*, 7> checks_{};
    FokusKnopf* bitBtn2_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
};

} // namespace orbela
