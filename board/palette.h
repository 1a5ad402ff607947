// The pens, brushes and text colours of the board.
#pragma once

#include "board/surface.h"

namespace zarvo::palette {

inline constexpr Brush background_brush{0xFFFFFF};
inline constexpr Brush warning_brush{0x0000FF};
inline constexpr Brush table_brush{0xFEFFFF};
inline constexpr Brush colour_brush[3] = {{0xFF0000}, {0x00FF00}, {0x0000FF}};
inline constexpr Pen segment_pen[3] = {{0xFF0000}, {0x00FF00}, {0x0000FF}};
inline constexpr Pen circle_pen[3] = {{0xFF0000}, {0x00FF00}, {0x0000FF}};
inline constexpr Pen table_pen{0x78C8FF};
inline constexpr Pen blank_pen{0xFFFFFF};
inline constexpr Pen grid_pen{0xF0F0F0};
inline constexpr Pen grid_major_pen{0xC0C0C0};

inline constexpr COLORREF black = 0x000000;
inline constexpr COLORREF score_text = 0xFF00FF;
inline constexpr COLORREF label_text = 0x323232;
inline constexpr COLORREF red_text = 0x0000FF;
inline constexpr COLORREF blue_text = 0xFF0000;
inline constexpr COLORREF green_text = 0x00FF00;
inline constexpr COLORREF axis_text = 0xBCBCBC;
inline constexpr COLORREF title_text = 0x5A8CFF;

}  // namespace zarvo::palette
