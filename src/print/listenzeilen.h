#pragma once

namespace orbela {

// The rows of the address lists: 24 rows a page, 40 units apart from y = 50.
// A new page begins only before a row that no longer fits, so a list that
// fills its last page exactly leaves no empty page behind.
class Listenzeilen {
public:
    static constexpr int erste_y = 50;
    static constexpr int abstand = 40;
    static constexpr int letzte_y = 1000; // a row starting below this goes to the next page

    struct Platz {
        int y;
        bool neue_seite_vorher;
    };

    // The place of the next row.
    Platz naechste()
    {
        const bool neue_seite = y_ > letzte_y;
        if (neue_seite)
            y_ = erste_y;
        const Platz p{y_, neue_seite};
        y_ += abstand;
        return p;
    }

private:
    int y_ = erste_y;
};

} // namespace orbela
