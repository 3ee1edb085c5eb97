#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "core/ablageziele.h"
#include "core/sitzung.h"
#include "core/tauschketten.h"
#include "core/zellort.h"
#include "ui/befehlslauf.h"

class QScrollArea;
class QTabBar;

namespace orbela {

class RasterWidget;

// Moving lessons with the mouse or the keyboard: a cell dragged in the grid
// is dropped as a move onto an empty cell, a swap onto a filled one, or a
// copy with Ctrl held, each one step of the document. While dragging, the
// shown day's cells are tinted as drop targets (with the length of the
// swap chain where a target of the lesson's column clashes but a chain
// makes room), and resting on a day tab for half a second shows that day;
// near an edge of the scroll box the grid scrolls. A drop on a clashing
// target with a chain offers the chains in "Tauschvorschläge".
//
// Ctrl+X or Ctrl+C marks the selected cell, Ctrl+V on another cell then
// drops it there as a move (or a copy after Ctrl+C), Esc forgets it; while
// a code field holds selected text, the keys work on the text instead.
class ZellenZiehen : public QObject {
    Q_OBJECT
public:
    ZellenZiehen(Sitzung& sitzung, Befehlslauf& lauf, RasterWidget& raster, QScrollArea& box, QTabBar& tage,
                 QObject* parent = nullptr);
    ~ZellenZiehen() override;

    static constexpr int reiter_wartezeit_ms = 500;
    // The band along the scroll box's edges that scrolls, and how fast.
    static constexpr int rollrand = 24;
    static constexpr int rolltakt_ms = 40;
    static constexpr int rollschritt = 15;

    // "Lösen..." of the week's conflict list: offers the chains that remove
    // the conflict, or says that there are none.
    void loesungen_anbieten(const Konflikt& konflikt);

signals:
    // After a drop: the target cell is to be selected.
    void zielGewaehlt(int stunde, int klasse);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void beginnen(int stunde, int klasse);
    void gezogen(QPoint global, bool kopieren);
    void ablegen(int stunde, int klasse, bool kopieren);
    void ablegen_auf(Zellort ziel, bool kopieren);
    void beenden();
    void toenung_zeigen();
    Ablageziele ziele_des_tages();
    // Shows the chains in "Tauschvorschläge", framing the chosen one in the
    // grid; applies the one taken as one step. False when none was taken.
    bool ketten_anbieten(std::vector<Tauschkette> ketten, const QString& frage);
    void zeige_tag(int tag);
    // Keyboard: mark the selected cell, drop it on the selected cell, forget.
    bool vormerken(bool kopieren);
    bool einfuegen();
    void vergessen();
    void rahmen_zeigen();
    int tag() const { return sitzung_.auswahl().akt_tag; }

    Sitzung& sitzung_;
    Befehlslauf& lauf_;
    RasterWidget& raster_;
    QScrollArea& box_;
    QTabBar& tage_;
    QTimer reiter_zeit_;
    QTimer rollen_;
    QPoint rollrichtung_;
    Zellort herkunft_;
    bool kopieren_ = false;
    int reiter_ = -1; // the day tab the mouse rests on
    // The chain search over the plan as it was when the drag began, and the
    // chain lengths of each day's targets once found.
    std::unique_ptr<Kettensuche> suche_;
    std::array<std::optional<std::array<int, anzahl_stunden + 1>>, anzahl_tage + 1> laengen_;
    // The cell marked by Ctrl+X or Ctrl+C, and which of the two.
    std::optional<Zellort> vorgemerkt_;
    bool vorgemerkt_kopieren_ = false;
    std::vector<Tausch> gezeigte_kette_;
    int beobachter_ = 0; // forgets the marked cell when another plan comes
};

} // namespace orbela
