#pragma once

#include <cstdint>

namespace orbela {

struct Farbe {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Farbe, Farbe) = default;
};

namespace farben {
inline constexpr Farbe schwarz{0, 0, 0};
inline constexpr Farbe weiss{255, 255, 255};
inline constexpr Farbe rot{255, 0, 0};
inline constexpr Farbe gelb{255, 255, 0};
inline constexpr Farbe gruen{0, 255, 0};
inline constexpr Farbe aqua{0, 255, 255};
inline constexpr Farbe lila{128, 0, 128};
} // namespace farben

} // namespace orbela
