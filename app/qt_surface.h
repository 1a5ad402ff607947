// The drawing surface over a QPainter, for the screen canvas and the printer alike. Shapes are
// drawn pixel-exact without antialiasing; fonts are sized by cell height as the board expects.
#pragma once

#include <QFont>
#include <QPainter>

#include "app/tile_grid.h"
#include "board/surface.h"

namespace zarvo {

class QtSurface : public Surface {
  public:
    // `client` is the drawing rectangle, in the painter's logical pixels. `damage`, where given,
    // gets marked with what the drawing may change (what the screen must be shown anew), each
    // time before the drawing, so that the grid can keep what was there;
    // `inked`, where given, is where the painter's device is not plain white: kept up to date
    // by the drawing, and used to leave white painted over white out of the damage. `drawn_on`,
    // where given, gets marked with everything drawn.
    QtSurface(QPainter& painter, Rect client, TileGrid* damage = nullptr, TileGrid* inked = nullptr,
              TileGrid* drawn_on = nullptr);

    Rect GetClientRect() const override { return client_; }
    void SetBkMode() override {}  // text never paints its background here
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

    // Renders the shapes of the letters DrawText would draw for `text` in `rect`, in the
    // selected font, to be blended later without rendering any: for the time between keys.
    void prepare_text(std::string_view text, Rect rect, int format);

    using Surface::DrawText;
    using Surface::Ellipse;
    using Surface::Rectangle;

    // The font family that stands in for "Arial" (Liberation Sans where installed).
    static QString arial_family();
    // Text too large for the toolkit's glyph cache is drawn letter by letter the first time,
    // and as one picture of its line from then on; small text is drawn by the toolkit until
    // its letters' coverages at their places are taken. Makes one such picture, or takes one
    // such line's coverages; false when there is none. For the time between keys.
    static bool prepare_wanted_letters();
    static bool letters_wanted();

    struct FontEntry;

  private:
    QPainter& p_;
    Rect client_;
    Pen pen_{0};
    Brush brush_{0xFFFFFF};
    COLORREF text_colour_ = 0;
    FontEntry* font_;
    int32_t x_ = 0, y_ = 0;
    TileGrid* damage_;
    TileGrid* inked_;
    TileGrid* drawn_on_;
    // How many small letters' coverages at a new place this drawing may still take itself.
    int takes_ = 24;

    // Drawing in colour, and painting plain white, over (l, t)-(r, b).
    void ink(int32_t l, int32_t t, int32_t r, int32_t b);
    void blank(int32_t l, int32_t t, int32_t r, int32_t b);
    // Paints (l, t)-(r, b) white: only where the canvas may hold ink, the rest of it being
    // white already.
    void whiten(int32_t l, int32_t t, int32_t r, int32_t b);
    // Fills `r` with the opaque `colour`, straight into the canvas where it may be written: a
    // painter call costs more than a grid line's pixels.
    void fill(const QRect& r, const QColor& colour);
};

QColor to_qcolor(COLORREF colour);

}  // namespace zarvo
