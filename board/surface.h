// The one drawing interface that the board, the overlay and the results page draw through.
// It keeps the conventions of the classic GDI model: integer pixels, origin top left, y down;
// Rectangle, Ellipse and FillRect cover x from left to right-1 and y from top to bottom-1;
// LineTo leaves out its end pixel; a positive font height is the cell height in pixels.
#pragma once

#include <cstdint>
#include <string_view>

#include "puzzle/geometry.h"

namespace zarvo {

// Colours are 0x00BBGGRR: 0xFF0000 is blue, 0x0000FF is red.
using COLORREF = uint32_t;

constexpr uint8_t red_of(COLORREF c) {
    return c & 0xFF;
}
constexpr uint8_t green_of(COLORREF c) {
    return (c >> 8) & 0xFF;
}
constexpr uint8_t blue_of(COLORREF c) {
    return (c >> 16) & 0xFF;
}

// Solid pens one pixel wide, and solid brushes; both are plain values.
struct Pen {
    COLORREF colour = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};
struct Brush {
    COLORREF colour = 0xFFFFFF;
    friend bool operator==(const Brush&, const Brush&) = default;
};
inline Pen CreatePen(COLORREF colour) {
    return Pen{colour};
}
inline Brush CreateSolidBrush(COLORREF colour) {
    return Brush{colour};
}

enum class Face { arial, arial_bold };
constexpr int32_t FW_DONTCARE = 0;
constexpr int32_t FW_BOLD = 700;

struct Font {
    int32_t height = 0;  // cell height in pixels when positive
    int32_t weight = FW_DONTCARE;
    Face face = Face::arial;
    bool bold() const { return face == Face::arial_bold || weight >= FW_BOLD; }
    friend bool operator==(const Font&, const Font&) = default;
};
inline Font CreateFont(int32_t height, int32_t weight, Face face) {
    return Font{height, weight, face};
}

// DrawText formats in use.
enum : int {
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_CALCRECT = 0x400,
};

struct Size {
    int32_t cx = 0, cy = 0;
};

class Surface {
  public:
    virtual ~Surface() = default;

    virtual Rect GetClientRect() const = 0;
    // Only TRANSPARENT is ever asked for: text leaves its background untouched.
    virtual void SetBkMode() = 0;
    virtual void SelectObject(const Pen& pen) = 0;
    virtual void SelectObject(const Brush& brush) = 0;
    virtual void SelectObject(const Font& font) = 0;
    virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    virtual void FillRect(const Rect& rect, const Brush& brush) = 0;
    virtual void SetTextColor(COLORREF colour) = 0;
    // Draws (or with DT_CALCRECT measures, setting only rect.bottom) text in the rectangle.
    virtual void DrawText(std::string_view text, Rect& rect, int format) = 0;
    virtual void TextOut(int32_t x, int32_t y, std::string_view text) = 0;
    virtual Size GetTextExtentPoint32(std::string_view text) = 0;
    // The calls up to EndGroup cover the whole of `area` with opaque paint first, draw inside it
    // alone and depend on nothing drawn before them, and they often come again unchanged (the
    // graph's paper). A surface may keep the pixels they leave and put those back instead.
    virtual void BeginGroup(const Rect& area) { (void)area; }
    virtual void EndGroup() {}

    void Rectangle(const Rect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void Ellipse(const Rect& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    void DrawText(std::string_view text, const Rect& rect, int format) {
        Rect r = rect;
        DrawText(text, r, format);
    }
};

}  // namespace zarvo
