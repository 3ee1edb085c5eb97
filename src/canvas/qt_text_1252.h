#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orbela {

// The only bridge between the records' Windows-1252 bytes and Qt's strings.
QString qstring_aus_1252(std::string_view text_1252);
// Characters that Windows-1252 cannot hold become '?'.
std::string text_1252_aus_qstring(const QString& text);

} // namespace orbela
