#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/kartentyp.h"

namespace orbela {

// The teacher card index: the cards in ascending order of surname, a current
// position and the working card that is shown, edited and stored back.
// Positions are one-based; position 0 means no current card. The index has no
// fixed size limit, but a card file of more cards than any school has is
// refused as broken.
inline constexpr std::size_t hoechstzahl_karten = 10000;

class Kartei {
public:
    Kartei();

    // The working card.
    kartentyp karte;

    int position() const { return position_; }
    int anzahl() const { return static_cast<int>(karten_.size()); }
    // Card i, 1 <= i <= anzahl(), for readers such as the printouts.
    const kartentyp& karte_nr(int i) const;

    // Moving: each loads the working card from the card it lands on. On an
    // empty index `erster` goes to position 0 with an emptied working card;
    // the others then change nothing. A target outside the cards changes
    // nothing either.
    void erster();
    void naechster();            // at the last card this reloads it
    void vorheriger();           // at the first card this reloads it
    void gehe_zu(int i);

    // Inserts a copy of the working card at its sorted place and makes it
    // current.
    void einfuegen();
    // Removes the current card. The card behind it becomes current, or the new
    // last card; the working card is loaded from it. Deleting the only card
    // leaves position 0 and the working card as it was.
    void loeschen();
    // Stores the working card over the current card, which stays where it is
    // while its surname still fits between its neighbours and otherwise moves
    // to its sorted place; it stays current. Without a current card it is
    // added as a new one.
    void einsortieren();
    // Empties the working card (strings, teacher flag, blocked lessons).
    void leeren();
    // Removes all cards, one after the other from the first; position 0. The
    // working card is left holding the card removed last (the former last
    // card), as deleting the only card leaves it.
    void alle_loeschen();

    // Insert every record of a file at its sorted place: the card file
    // (1300-byte cards) and the two older files, whose records are converted.
    // Cards already held stay. A trailing fragment shorter than one record is
    // ignored. Throws Fehler when the file cannot be read; a file that is no
    // ordinary file or holds more than `hoechstzahl_karten` records is
    // refused before any card is inserted.
    void lies_kartei(const std::string& dateiname);
    void lies_lehrdat(const std::string& dateiname);
    void lies_lehrer(const std::string& dateiname);

    // Replaces the file with all cards in index order, 1300 bytes each. The
    // working card is reloaded from the current card, if there is one.
    void schreibe_kartei(const std::string& dateiname);

private:
    void lade_karte();

    std::vector<std::unique_ptr<kartentyp>> karten_;
    int position_ = 0;
};

} // namespace orbela
