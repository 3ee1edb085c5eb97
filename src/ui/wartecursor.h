#pragma once

#include <QApplication>

namespace orbela {

// Shows the wait cursor while it lives; restored however a command ends.
struct Wartecursor {
    Wartecursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wartecursor() { QApplication::restoreOverrideCursor(); }
    Wartecursor(const Wartecursor&) = delete;
    Wartecursor& operator=(const Wartecursor&) = delete;
};

} // namespace orbela
