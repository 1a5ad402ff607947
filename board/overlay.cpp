// The story over the lower part of the board, in a font fitted to fill the panel.
#include "board/board.h"
#include "board/palette.h"

namespace zarvo {

const char* const kOverlayTail =
    "\nTo start, press the Up arrow key. To remove this text, press the space bar or press the Up "
    "arrow key. ";

namespace {

int32_t measured_bottom(Surface& dc, const Board& b) {
    Rect r = b.layout.text_panel;
    dc.DrawText(b.overlay_text, r, DT_CALCRECT | DT_WORDBREAK);
    return r.bottom;
}

}  // namespace

int32_t fit_overlay_font(Surface& dc, Board& b) {
    dc.SetBkMode();
    const Layout& l = b.layout;
    if (b.fitted_text_unit == l.text_unit && b.fitted_panel == l.text_panel &&
        b.fitted_text == b.overlay_text) {
        dc.SelectObject(b.overlay_font);
        return b.overlay_font.height;
    }

    // Grow from text_unit until the text reaches the panel's bottom; one step back if past it.
    const int32_t panel_bottom = l.text_panel.bottom;
    int32_t h = l.text_unit;
    b.overlay_font = CreateFont(h, FW_DONTCARE, Face::arial);
    dc.SelectObject(b.overlay_font);
    int32_t bottom = measured_bottom(dc, b);
    while (bottom < panel_bottom) {
        ++h;
        b.overlay_font = CreateFont(h, FW_DONTCARE, Face::arial);
        dc.SelectObject(b.overlay_font);
        bottom = measured_bottom(dc, b);
    }
    if (bottom > panel_bottom) {
        --h;
        b.overlay_font = CreateFont(h, FW_DONTCARE, Face::arial);
    }

    b.fitted_text = b.overlay_text;
    b.fitted_panel = l.text_panel;
    b.fitted_text_unit = l.text_unit;
    return h;
}

void draw_overlay(Surface& dc, Board& b) {
    dc.SelectObject(palette::blank_pen);
    dc.SelectObject(palette::background_brush);
    dc.Rectangle(b.layout.prompt_box);
    dc.SetBkMode();
    dc.SetTextColor(palette::black);
    b.overlay_text = b.texts.story_text;
    b.overlay_text += kOverlayTail;
    fit_overlay_font(dc, b);
    dc.SelectObject(b.overlay_font);
    dc.DrawText(b.overlay_text, b.layout.text_panel, DT_WORDBREAK);
}

void erase_overlay(Surface& dc, const Board& b) {
    dc.SelectObject(palette::blank_pen);
    dc.SelectObject(palette::background_brush);  // what a fresh key surface holds anyway
    dc.Rectangle(b.layout.text_panel);
}

}  // namespace zarvo
