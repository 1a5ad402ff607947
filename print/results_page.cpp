#include "print/results_page.h"

#include "puzzle/text.h"

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
    std::string text =
        //: First line of the printed results; %1 is the score, a percentage
        fill(translated(ZARVOK_TEXT("Results", "Your score was: %1 -- Your solution was:")),
             {std::to_string(s.score)});
    const int32_t counts[3] = {s.blue_count, s.green_count, s.red_count};
    for (int c = 0; c < 3; ++c) {
        text += " \n";
        text += fill(
            //: A line of the printed solution: %n boxes of one colour, %1 the pounds of one box
            translated(ZARVOK_N_TEXT("Results", "%n box(es) weighing %1 pounds each."), counts[c]),
            {texts.story_numbers[2 + c]});
    }
    return text;
}

void draw_results_page(Surface& dc, Board& b, int32_t width, int32_t height) {
    const PageGeometry g = page_geometry(width, height);
    dc.SelectObject(CreateFont(g.F_b, FW_DONTCARE, Face::arial));
    const int32_t h = dc.GetTextExtentPoint32("W").cy;
    dc.TextOut(g.L, g.T, b.print_banner);

    const PageRects rects = page_rects(g, h);
    // A translation longer than the English gets a smaller font, never a second page.
    const Font text_font = CreateFont(g.F, FW_DONTCARE, Face::arial);
    dc.SelectObject(text_font);
    draw_in_cell(dc, result_text(b.game, b.texts), rects.result, DT_WORDBREAK, text_font);

    b.overlay_text = b.texts.story_text;
    b.overlay_text += b.texts.notice_text;
    draw_in_cell(dc, b.overlay_text, rects.story, DT_WORDBREAK, text_font);
}

}  // namespace zarvo
