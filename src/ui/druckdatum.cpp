#include "ui/druckdatum.h"

#include <QDate>
#include <QLocale>

#include "canvas/qt_text_1252.h"

namespace orbela {

std::string druckdatum_heute()
{
    return text_1252_aus_qstring(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

} // namespace orbela
