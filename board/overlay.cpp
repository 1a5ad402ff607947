// The story over the lower part of the board, in a font fitted to fill the panel.
#include <algorithm>
#include <cmath>

#include "board/board.h"
#include "board/palette.h"

namespace zarvo {

std::string overlay_tail() {
    std::string tail = "\n";
    //: The last line of the story shown over the board
    tail += translated(ZARVOK_TEXT("Board",
                                   "To start, press the Up arrow key. To remove this text, press "
                                   "the space bar or press the Up arrow key."));
    return tail + " ";
}

std::string overlay_text(const StoryTexts& texts) {
    return texts.story_text + overlay_tail();
}

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

    // The rule: grow from text_unit until the text's bottom is not above the panel's; keep that
    // height if the bottom meets the panel's exactly, else one less. The text's bottom never
    // rises as the font grows (lines only get taller and hold no more words), so the first
    // height that reaches the panel can be found from a good guess by stepping up or down: the
    // text's area grows with the square of the height, which the first measurement gives.
    const Rect& panel = l.text_panel;
    const auto bottom_at = [&](int32_t h) {
        b.overlay_font = CreateFont(h, FW_DONTCARE, Face::arial);
        dc.SelectObject(b.overlay_font);
        return measured_bottom(dc, b);
    };
    const int32_t first = l.text_unit;
    int32_t h = first;
    int32_t bottom = bottom_at(h);
    if (bottom < panel.bottom && bottom > panel.top) {
        const double lines = static_cast<double>(bottom - panel.top) / first;
        const auto guess = static_cast<int32_t>(std::sqrt(panel.height() * first / lines));
        h = std::max(first + 1, guess);
        bottom = bottom_at(h);
        while (bottom >= panel.bottom && h - 1 > first) {  // reached: is one less enough too?
            const int32_t lower = bottom_at(h - 1);
            if (lower < panel.bottom) break;
            --h;
            bottom = lower;
        }
        while (bottom < panel.bottom) bottom = bottom_at(++h);  // not yet: grow
    } else {
        while (bottom < panel.bottom) bottom = bottom_at(++h);  // an empty or odd panel
    }
    if (bottom > panel.bottom) --h;
    b.overlay_font = CreateFont(h, FW_DONTCARE, Face::arial);

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
    b.overlay_text = overlay_text(b.texts);
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
