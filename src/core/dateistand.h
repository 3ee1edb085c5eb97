#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orbela {

// What a file was when the program last read or wrote it: size, time of the
// last change and a checksum of the content. A save compares it with the
// file as it is now, so that a plan another program has written meanwhile
// is not overwritten unasked.
struct Dateistand {
    std::uint64_t groesse = 0;
    std::int64_t geaendert_ns = 0; // modification time, nanoseconds since 1970
    std::uint64_t pruefsumme = 0;  // FNV-1a over the whole content

    bool operator==(const Dateistand&) const = default;

    // The file as it is now; nothing when it cannot be read.
    static std::optional<Dateistand> von(const std::string& pfad);

    // "groesse,zeit,pruefsumme", and back (nothing for anything else).
    std::string als_text() const;
    static std::optional<Dateistand> aus_text(const std::string& text);
};

} // namespace orbela
