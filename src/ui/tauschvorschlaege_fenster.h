#pragma once

#include <QDialog>
#include <vector>

#include "core/plantyp.h"
#include "core/tauschketten.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace orbela {

// "Tauschvorschläge": the swap chains for a lesson, one a line in words
// ("2b Di 4 → Mo 5, dann 3a Mo 5 ↔ Fr 1"; → where the place was empty, ↔
// where the lessons change places), best first. Choosing a line reports the
// chain so that its cells can be framed in the grid; "Übernehmen" closes
// with that chain chosen, "Abbrechen" or Esc without. The window itself
// changes nothing.
class TauschvorschlaegeFenster : public QDialog {
    Q_OBJECT
public:
    // `plan` names the classes and tells empty places from lessons; `frage`
    // says what the chains are for.
    TauschvorschlaegeFenster(const plantyp& plan, bool stunden_0_8, std::vector<Tauschkette> ketten,
                             const QString& frage, QWidget* parent = nullptr);

    // The chain of the chosen line, or nullptr.
    const Tauschkette* gewaehlt() const;

    // One chain in words.
    static QString kette_text(const plantyp& plan, bool stunden_0_8, const Tauschkette& kette);

signals:
    void ketteGewaehlt(const orbela::Tauschkette& kette);

protected:
    // Opens with the best chain chosen.
    void showEvent(QShowEvent* event) override;

private:
    std::vector<Tauschkette> ketten_;
    QLabel* frage_ = nullptr;
    QListWidget* liste_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
};

} // namespace orbela
