#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace orbela {

// The one error type of the program: a file or conversion error carrying the
// German text the user sees (UTF-8). The UI's general handler shows it and the
// program goes on.
class Fehler : public std::exception {
public:
    explicit Fehler(std::string text)
        : text_(std::move(text))
    {
    }
    const std::string& text() const { return text_; }
    const char* what() const noexcept override { return text_.c_str(); }

    // "'%s' ist kein gültiger Integerwert"; the text is Windows-1252.
    static Fehler kein_integer(std::string_view text_1252);
    // The message for an operating-system error number of a file operation.
    static Fehler aus_errno(int fehlernummer);
    // "Versuch hinter dem Dateiende zu lesen"
    static Fehler dateiende();
    // A folder, pipe or device where a file was expected; the name is the
    // path as given (UTF-8 on this system).
    static Fehler keine_datei(std::string_view dateiname, bool ordner);
    // A file holding more entries than a loader takes.
    static Fehler zu_viele_eintraege(std::string_view dateiname, std::size_t hoechstens);

private:
    std::string text_;
};

} // namespace orbela
