#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

namespace orbela {

// A whole number as decimal text in a small buffer, for drawing numbers
// without building strings.
class Zahltext {
public:
    explicit Zahltext(int zahl)
    {
        const char* ende = std::to_chars(zeichen_, zeichen_ + sizeof zeichen_, zahl).ptr;
        laenge_ = static_cast<std::uint8_t>(ende - zeichen_);
    }

    std::string_view view() const { return {zeichen_, laenge_}; }

private:
    char zeichen_[12];
    std::uint8_t laenge_;
};

} // namespace orbela
