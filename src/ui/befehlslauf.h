#pragma once

#include <functional>
#include <utility>

#include "core/dokument.h"
#include "ui/geschuetzt.h"

namespace orbela {

// How every handler of the main window and its pages runs: under the
// general error handler, as one undo step, and followed by showing what it
// drew.
class Befehlslauf {
public:
    Befehlslauf(Dokument& dokument, Dialoge& dialoge, std::function<void()> danach)
        : dokument_(dokument)
        , dialoge_(dialoge)
        , danach_(std::move(danach))
    {
    }

    template <typename Aktion>
    void operator()(Aktion&& aktion)
    {
        const Dokument::Schritt schritt(dokument_);
        geschuetzt(dialoge_, std::forward<Aktion>(aktion));
        danach_();
    }

    Dialoge& dialoge() { return dialoge_; }

private:
    Dokument& dokument_;
    Dialoge& dialoge_;
    std::function<void()> danach_;
};

} // namespace orbela
