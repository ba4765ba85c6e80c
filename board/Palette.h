#pragma once

#include <array>
#include <cstdint>

// A colour is a 24-bit RGB value, 0xRRGGBB.
using Rgb = std::int32_t;

// The first entries of the classic sixteen-colour PC palette, those the board uses: 0 black (the
// poles), 2 green, 3 cyan, 4 red and 5 magenta (the rings), 6 dark yellow (the bases); 1 blue.
inline constexpr std::array<Rgb, 7> kPalette = {0x000000, 0x000080, 0x008000, 0x008080,
                                                0x800000, 0x800080, 0x808000};

// Palette entry `number`, 0 to 6.
constexpr Rgb PaletteColor(int number) {
  return kPalette[static_cast<std::size_t>(number)];
}
