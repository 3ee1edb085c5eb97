#include "ui/drucken/druckdatum.h"

#include <QDate>
#include <QLocale>

#include "canvas/qt_text_1252.h"

namespace orbela {

std::string druckdatum(const QDate& datum, const QLocale& gebiet)
{
    if (gebiet.language() == QLocale::C)
        return text_1252_aus_qstring(datum.toString(QStringLiteral("dd.MM.yy")));
    return text_1252_aus_qstring(gebiet.toString(datum, QLocale::ShortFormat));
}

std::string druckdatum_heute()
{
    return druckdatum(QDate::currentDate(), QLocale::system());
}

} // namespace orbela
