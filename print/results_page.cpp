#include "print/results_page.h"

#include <cstdio>

namespace zarvo {

PageGeometry page_geometry(int32_t width, int32_t height) {
    PageGeometry g{};
    g.W = width;
    g.H = height;
    g.c = 17 * g.W / 20;
    g.L = (g.W - g.c) / 2;
    g.R = g.L + g.c;
    g.e = 9 * g.H / 10;
    g.T = (g.H - g.e) / 3;
    g.B = g.T + g.e;
    g.F = g.e / 48;
    g.F_b = 4 * g.F / 5;
    return g;
}

PageRects page_rects(const PageGeometry& g, int32_t h) {
    PageRects r{};
    r.y0 = g.T + 4 * h;
    r.result = {g.L, r.y0, g.R, r.y0 + 11 * h / 2};
    r.story = {g.L, r.result.bottom + 2 * h, g.R, g.B};
    return r;
}

std::string result_text(const GameState& s, const StoryTexts& texts) {
    char number[16];
    std::snprintf(number, sizeof number, "%i", static_cast<int>(s.score));
    std::string text = "Your score was: ";
    text += number;
    text += " -- ";
    text += "Your solution was: \n";
    const int32_t counts[3] = {s.blue_count, s.green_count, s.red_count};
    for (int c = 0; c < 3; ++c) {
        const bool one = counts[c] <= 1;
        std::snprintf(number, sizeof number, "%i", static_cast<int>(counts[c]));
        text += number;
        text += one ? " box weighing " : " boxes weighing ";
        text += texts.story_numbers[2 + c];
        if (c < 2) {
            text += one ? " pounds. \n" : " pounds each. \n";
        } else {
            text += one ? " pounds." : " pounds each.";
        }
    }
    return text;
}

void draw_results_page(Surface& dc, Board& b, int32_t width, int32_t height) {
    const PageGeometry g = page_geometry(width, height);
    dc.SelectObject(CreateFont(g.F_b, FW_DONTCARE, Face::arial));
    const int32_t h = dc.GetTextExtentPoint32("W").cy;
    dc.TextOut(g.L, g.T, b.print_banner);

    const PageRects rects = page_rects(g, h);
    dc.SelectObject(CreateFont(g.F, FW_DONTCARE, Face::arial));
    dc.DrawText(result_text(b.game, b.texts), rects.result, DT_WORDBREAK);

    b.overlay_text = b.texts.story_text;
    b.overlay_text += b.texts.notice_text;
    dc.DrawText(b.overlay_text, rects.story, DT_WORDBREAK);
}

}  // namespace zarvo
