#include "board/layout.h"

namespace zarvo {

bool client_too_small(int32_t w, int32_t h) {
    return w < kMinClientWidth || h < kMinClientHeight;
}

Units choose_units(int32_t w, int32_t h) {
    if (w <= 800 && h > 540) return {10, 10};
    if (w <= 1024 && h > 700) return {12, 12};
    if (w <= 1152 && h > 800) return {12, 12};
    if (w <= 1280 && h > 900) return {14, 14};
    if (w <= 1280 && h > 710) return {12, 13};
    if (w <= 1280 && h > 670) return {12, 10};
    if (w <= 1360 && h > 700) return {12, 12};
    if (w >= 1361 && w <= 1600 && h > 1150) return {16, 16};
    if (w >= 1361 && w <= 1600 && h > 850) return {14, 14};
    if (w > 1600) return {16, 14};
    return {10, 10};
}

void compute_grid(Layout& l) {
    const int32_t g = l.grid_unit;
    const int32_t w = l.client_rect.right;
    const int32_t cy = l.client_rect.bottom / 2;
    l.grid_rect = {29 * g, cy - 25 * g, 79 * g, cy + 25 * g};
    l.graph_area = {27 * g, cy - 26 * g, w, cy + 27 * g};
}

void compute_panels(Layout& l) {
    const int32_t g = l.grid_unit;
    const int32_t t = l.text_unit;
    const int32_t w = l.client_rect.right;
    const int32_t h = l.client_rect.bottom;
    const int32_t cy = h / 2;

    l.title_rect = {29 * g, 0, 79 * g, cy - 25 * g};
    l.moves_label_rect = {2 * g, 3 * t - 1, 7 * g, 4 * t - 1};
    l.moves_box = {2 * g, 4 * t, 7 * g, 6 * t};
    l.score_label_rect = {8 * g, 3 * t - 1, 13 * g, 4 * t - 1};
    l.score_box = {8 * g, 4 * t, 13 * g, 6 * t};
    const int32_t m = (2 * g + 13 * g) / 2;
    l.colour_circle = {m - 2 * g, 8 * t, m + 2 * g, 12 * t};
    l.colour_hint_box = {m + 3 * g, 8 * t + g / 2, m + 14 * g, 12 * t};

    // Cells overlap their neighbours by one pixel so that they share their border lines.
    const int32_t table_top = g == 10 ? 12 * t + 20 : 12 * t + 4 * g;
    const auto column_left = [g](int k) { return 8 * g + k * (6 * g - 1); };
    for (int k = 0; k < 3; ++k)
        l.table_header[k] = {column_left(k), table_top, column_left(k) + 6 * g, table_top + 3 * g};
    for (int r = 0; r < 5; ++r) {
        const int32_t top = table_top + (r + 1) * (3 * g - 1);
        l.table_row_label[r] = {2 * g, top, 8 * g + 1, top + 3 * g};
        for (int k = 0; k < 3; ++k)
            l.table_cell[r][k] = {column_left(k), top, column_left(k) + 6 * g, top + 3 * g};
    }

    const int32_t last = table_top + 18 * g - 5;
    const int32_t gap = g == 10 ? 20 : 3 * g;
    l.prompt_box = {2 * g, last + 5 * g, 26 * g - 2, last + 19 * g};
    l.prompt_text_rect = {2 * g + 3, last + 5 * g + 2, 26 * g - 5, last + 19 * g - 2};
    l.text_panel = {2 * g, last + gap, w - 2 * g, h};

    l.number_font = CreateFont(5 * t / 2, FW_DONTCARE, Face::arial_bold);
    l.label_font = CreateFont(3 * t / 2, FW_DONTCARE, Face::arial);
    l.axis_font = CreateFont(g, FW_DONTCARE, Face::arial);
    l.title_font = CreateFont(3 * l.title_rect.bottom / 4, FW_DONTCARE, Face::arial_bold);
}

}  // namespace zarvo
