#include "canvas/qt_text_1252.h"

#include <QList>
#include <array>

#include "core/text_1252.h"

namespace orbela {

namespace {
const std::array<QChar, 256>& zeichentabelle()
{
    static const std::array<QChar, 256> tabelle = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = QChar(static_cast<char16_t>(unicode_aus_1252(static_cast<unsigned char>(b))));
        return t;
    }();
    return tabelle;
}
} // namespace

QString qstring_aus_1252(std::string_view text_1252)
{
    const auto& tabelle = zeichentabelle();
    QString aus(static_cast<qsizetype>(text_1252.size()), Qt::Uninitialized);
    QChar* ziel = aus.data();
    for (char ch : text_1252)
        *ziel++ = tabelle[static_cast<unsigned char>(ch)];
    return aus;
}

std::string text_1252_aus_qstring(const QString& text)
{
    std::string aus;
    aus.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t cp : text.toUcs4())
        aus += static_cast<char>(byte_1252_aus_unicode(cp));
    return aus;
}

} // namespace orbela
