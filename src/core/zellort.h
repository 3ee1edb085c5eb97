#pragma once

namespace orbela {

// A cell of the week.
struct Zellort {
    int tag = 0;
    int stunde = 0;
    int klasse = 0;
    friend bool operator==(const Zellort&, const Zellort&) = default;
};

} // namespace orbela
