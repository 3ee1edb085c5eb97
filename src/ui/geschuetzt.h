#pragma once

#include <QString>
#include <exception>
#include <new>

#include "core/fehler.h"
#include "ui/dialoge.h"

namespace orbela {

// The general error handler: runs one event handler to its end or to its
// first error, and shows that error in a message box. The program goes on
// with whatever state the handler had reached; nothing escapes into Qt.
template <typename Handler>
void geschuetzt(Dialoge& dialoge, Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const Fehler& e) {
        dialoge.fehler(QString::fromStdString(e.text()));
    } catch (const std::bad_alloc&) {
        dialoge.fehler(QStringLiteral("Zu wenig Arbeitsspeicher"));
    } catch (const std::exception& e) {
        dialoge.fehler(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        dialoge.fehler(QStringLiteral("Unbekannter Fehler"));
    }
}

} // namespace orbela
