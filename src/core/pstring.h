#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orbela {

// A length-prefixed string of fixed capacity, laid out as it is stored in
// every record and file: one length byte, then exactly N character bytes
// (Windows-1252). Setting a new text writes zero bytes behind it, so text
// that was deleted or shortened does not linger in the file; setting the text
// a string already holds leaves it as it is, and copying a record copies it
// whole, so a record loaded and saved unchanged keeps every byte. A length
// byte above N, which a damaged file may hold, reads as N and is left
// untouched until a new text is set.
template <std::size_t N>
struct PString {
    static_assert(N >= 1 && N <= 255);
    static constexpr std::size_t capacity = N;

    std::uint8_t len;
    char data[N];

    std::size_t size() const { return std::min<std::size_t>(len, N); }
    bool empty() const { return len == 0; }
    std::string_view view() const { return {data, size()}; }
    std::string str() const { return std::string(view()); }

    // Stores the first N bytes of text, zero bytes behind them.
    void assign(std::string_view text)
    {
        const std::size_t n = std::min(text.size(), N);
        if (len == n && view() == text.substr(0, n))
            return;
        if (n > 0)
            std::memmove(data, text.data(), n);
        std::memset(data + n, 0, N - n);
        len = static_cast<std::uint8_t>(n);
    }
    PString& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    void clear() { assign({}); }

    friend bool operator==(const PString& a, std::string_view b) { return a.view() == b; }
    template <std::size_t M>
    friend bool operator==(const PString& a, const PString<M>& b) { return a.view() == b.view(); }
};

static_assert(sizeof(PString<4>) == 5);
static_assert(sizeof(PString<250>) == 251);
static_assert(alignof(PString<4>) == 1);

} // namespace orbela
