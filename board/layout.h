// Where everything on the board goes, worked out from the client size once per game.
#pragma once

#include "board/surface.h"

namespace zarvo {

constexpr int32_t kMinClientWidth = 780;
constexpr int32_t kMinClientHeight = 540;

struct Layout {
    Rect client_rect;
    Rect last_client_rect;
    int32_t grid_unit = 10;
    int32_t text_unit = 10;
    Rect grid_rect;
    Rect graph_area;
    Rect title_rect;
    Rect moves_label_rect, moves_box;
    Rect score_label_rect, score_box;
    Rect colour_circle;
    Rect colour_hint_box;
    Rect table_header[3];
    Rect table_row_label[5];
    Rect table_cell[5][3];
    Rect prompt_box;
    Rect prompt_text_rect;
    Rect text_panel;

    Font number_font, label_font, axis_font, title_font, warning_font;
};

struct Units {
    int32_t grid_unit;
    int32_t text_unit;
};

bool client_too_small(int32_t width, int32_t height);

// The size table: the two units for a client of at least the minimum size.
Units choose_units(int32_t width, int32_t height);

// The grid and the area around it that holds the axis numbers (needs the units and client).
void compute_grid(Layout& layout);

// Every other rectangle and the four board fonts (needs compute_grid first).
void compute_panels(Layout& layout);

}  // namespace zarvo
