// A surface that draws nothing and remembers every call, with simple deterministic text
// metrics: each character is half the cell height wide. Used to check what the board asks for.
#pragma once

#include <string>
#include <vector>

#include "board/surface.h"

namespace zarvo {

class RecordingSurface : public Surface {
  public:
    enum class Kind { rectangle, ellipse, move_to, line_to, fill_rect, text, text_out };

    struct Op {
        Kind kind;
        Rect rect;  // for points, left/top hold x/y
        Pen pen;
        Brush brush;
        Font font;
        COLORREF text_colour;
        std::string text;
        int format = 0;
        friend bool operator==(const Op&, const Op&) = default;
    };

    explicit RecordingSurface(Rect client) : client_(client) {}

    Rect GetClientRect() const override { return client_; }
    void SetBkMode() override {}
    void SelectObject(const Pen& pen) override { pen_ = pen; }
    void SelectObject(const Brush& brush) override { brush_ = brush; }
    void SelectObject(const Font& font) override { font_ = font; }
    void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void FillRect(const Rect& rect, const Brush& brush) override;
    void SetTextColor(COLORREF colour) override { text_colour_ = colour; }
    void DrawText(std::string_view text, Rect& rect, int format) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    Size GetTextExtentPoint32(std::string_view text) override;

    using Surface::DrawText;
    using Surface::Ellipse;
    using Surface::Rectangle;

    static int32_t char_width(const Font& font) { return font.height > 1 ? font.height / 2 : 1; }

    // Makes on `dc` the one call `o` records, with whatever pens and fonts `dc` holds.
    static void call(Surface& dc, const Op& o);
    // Draws `ops` on `dc` again, each with the pens and fonts it was recorded with.
    static void play(Surface& dc, const std::vector<Op>& ops);

    const std::vector<Op>& ops() const { return ops_; }
    void clear() { ops_.clear(); }
    // Every text drawn (not measured), in order.
    std::vector<std::string> texts() const;
    int count(Kind kind) const;

  private:
    Op make(Kind kind, Rect rect) const;

    Rect client_;
    Pen pen_{0};
    Brush brush_{0xFFFFFF};
    Font font_{};
    COLORREF text_colour_ = 0;
    std::vector<Op> ops_;
};

}  // namespace zarvo
