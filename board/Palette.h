#pragma once

#include <array>
#include <cstdint>

// A colour is a 24-bit RGB value, 0xRRGGBB.
using Rgb = std::int32_t;

// The classic sixteen-colour PC palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta,
// 6 dark yellow, 7 light grey, 8 to 15 the bright forms.
inline constexpr std::array<Rgb, 16> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// Palette entry `number`, taken modulo 16.
constexpr Rgb PaletteColor(int number) {
  return kPalette[static_cast<unsigned>(number) % 16U];
}
