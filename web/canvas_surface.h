// The drawing surface over a 2D canvas of the page. The canvas's context is scaled by the
// device pixel ratio, so that one pixel of the board covers whole device pixels and lines stay
// sharp. Shapes are pixel-exact rectangles as on the desktop; text is measured letter by letter
// in Liberation Sans, as the desktop measures it, without kerning.
#pragma once

#include <vector>

#include "board/cell_filter.h"
#include "board/surface.h"
#include "web/drawn_tiles.h"

namespace zarvo::web {

class CanvasSurface : public Surface, public PixelStore {
  public:
    // Draws on the canvas context the page has made current; `client` in the board's pixels.
    // `drawn`, where given, is where the board's canvas was drawn on since its copy was kept or
    // put back, and a copy goes back only there.
    explicit CanvasSurface(Rect client, DrawnTiles* drawn = nullptr);
    ~CanvasSurface() override;

    Rect GetClientRect() const override { return client_; }
    void SetBkMode() override {}
    void SelectObject(const Pen& pen) override { pen_ = pen; }
    void SelectObject(const Brush& brush) override { brush_ = brush; }
    void SelectObject(const Font& font) override;
    void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void MoveTo(int32_t x, int32_t y) override { x_ = x, y_ = y; }
    void LineTo(int32_t x, int32_t y) override;
    void FillRect(const Rect& rect, const Brush& brush) override;
    void SetTextColor(COLORREF colour) override { text_colour_ = colour; }
    void DrawText(std::string_view text, Rect& rect, int format) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    Size GetTextExtentPoint32(std::string_view text) override;
    // Copies of the canvas's pixels, kept in the page until a copy overlapping them comes, and
    // put back where the canvas was drawn on since.
    bool can_keep(const Rect& area) override;
    void keep(const Rect& area, int copy) override;
    bool put_back(const Rect& area, int copy, std::vector<Rect>& changed) override;

    using Surface::DrawText;
    using Surface::Ellipse;
    using Surface::Rectangle;

    struct FontEntry;

  private:
    Rect client_;
    Pen pen_{0};
    Brush brush_{0xFFFFFF};
    COLORREF text_colour_ = 0;
    FontEntry* font_;
    int32_t x_ = 0, y_ = 0;
    DrawnTiles* drawn_;

    std::vector<int32_t> batch_;
    int batch_colour_ = -1;

    void draw_words(std::string_view text, double x, double baseline);
    void fill(int32_t x, int32_t y, int32_t w, int32_t h, int colour);
    void flush();
};

}  // namespace zarvo::web
