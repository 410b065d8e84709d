#pragma once

#include <cstdint>

namespace tavrolin {

// A colour as the program stores it: 0x00BBGGRR, red in the low byte.
// A value with the top bit set, 0x80000000 + n, names entry n of the
// system colour table and is resolved only when something is drawn with it.
struct Colour {
    std::uint32_t value = 0;

    constexpr bool isSystem() const { return (value & 0x80000000u) != 0; }
    constexpr unsigned systemIndex() const { return value & 0x00FFFFFFu; }
    constexpr unsigned red() const { return value & 0xFFu; }
    constexpr unsigned green() const { return (value >> 8) & 0xFFu; }
    constexpr unsigned blue() const { return (value >> 16) & 0xFFu; }

    friend constexpr bool operator==(Colour, Colour) = default;
};

constexpr Colour rgb(unsigned r, unsigned g, unsigned b)
{
    return Colour{(r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16)};
}

constexpr Colour systemColour(unsigned index) { return Colour{0x80000000u + index}; }

constexpr unsigned buttonFaceIndex = 15;

// The colours the window and the animation use.
constexpr Colour colSilver{0x00C0C0C0};
constexpr Colour colPaleRed{0x00C0C0FF};
constexpr Colour colGlass{0x00FFFFC0};
constexpr Colour colButtonFace = systemColour(buttonFaceIndex);
constexpr Colour colRed = rgb(255, 0, 0);
constexpr Colour colGreen = rgb(0, 255, 0);
constexpr Colour colBlue = rgb(0, 0, 255);
constexpr Colour colLightRed{0x008080FF};
constexpr Colour colLightBlue{0x00FFC0C0};

// Lines and circles drawn without a colour take the window's foreground.
constexpr Colour windowForeground{0x00430003};
constexpr Colour windowBackground = colSilver;
// The text of every control, the painted labels' included, is the toolkit's
// default: black, not the window's foreground.
constexpr Colour controlText = rgb(0, 0, 0);

} // namespace tavrolin
