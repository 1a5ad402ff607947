// The layout and the board as drawing calls, through the recording surface.
#include "board/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "board/cell_filter.h"
#include "board/layout.h"
#include "board/palette.h"
#include "board/recording_surface.h"
#include "game_fixture.h"
#include "print/results_page.h"
#include "web/drawn_tiles.h"

namespace zarvo {
namespace {

using Kind = RecordingSurface::Kind;

// A board painted once on a recording surface of the given client size.
struct PaintedBoard {
    Board board;
    RecordingSurface dc;
    PaintResult first;

    PaintedBoard(int problem, int32_t w, int32_t h)
        : board(testing::fixed_clock_chooser()), dc(Rect{0, 0, w, h}) {
        board.chooser.play_next(problem);
        new_game(board.game, board.texts, board.chooser);
        first = paint_board(dc, board, testing::some_time());
    }

    KeyOutcome key(int32_t vk) {
        dc.clear();
        const KeyOutcome o = press_key(board, vk);
        carry_out(dc, board, o, testing::some_time());
        return o;
    }

    int ellipses_with(COLORREF brush) const {
        return static_cast<int>(
            std::count_if(dc.ops().begin(), dc.ops().end(), [&](const auto& op) {
                return op.kind == Kind::ellipse && op.brush.colour == brush &&
                       op.rect.right - op.rect.left == 5;
            }));
    }
};

TEST(Layout, SizeTableOnBothSidesOfEveryBoundary) {
    // Each row of the size table just inside and just outside each of its limits, with what
    // the table itself gives there (read off the table by hand, not computed).
    struct Case {
        int32_t w, h, g, t;
    } cases[] = {
        {780, 540, 10, 10},
        {800, 540, 10, 10},
        {1366, 720, 10, 10},
        {1920, 600, 16, 14},
        {800, 768, 10, 10},
        {801, 768, 12, 12},  // W <= 800
        {1024, 701, 12, 12},
        {1025, 701, 12, 10},
        {1024, 700, 12, 10},  // W <= 1024, H > 700
        {1152, 801, 12, 12},
        {1153, 801, 12, 13},
        {1152, 800, 12, 13},  // W <= 1152, H > 800
        {1280, 901, 14, 14},
        {1281, 901, 12, 12},
        {1280, 900, 12, 13},  // W <= 1280, H > 900
        {1280, 711, 12, 13},
        {1281, 711, 12, 12},
        {1280, 710, 12, 10},  // W <= 1280, H > 710
        {1280, 671, 12, 10},
        {1281, 671, 10, 10},
        {1280, 670, 10, 10},  // W <= 1280, H > 670
        {1360, 701, 12, 12},
        {1361, 701, 10, 10},
        {1360, 700, 10, 10},  // W <= 1360, H > 700
        {1361, 1151, 16, 16},
        {1360, 1151, 12, 12},
        {1600, 1151, 16, 16},
        {1601, 1151, 16, 14},
        {1600, 1150, 14, 14},  // 1361..1600, H > 1150
        {1361, 851, 14, 14},
        {1360, 851, 12, 12},
        {1600, 851, 14, 14},
        {1601, 851, 16, 14},
        {1600, 850, 10, 10},  // 1361..1600, H > 850
        {1601, 540, 16, 14},
        {1600, 540, 10, 10},  // W > 1600
        // The worked examples.
        {1024, 720, 12, 12},
        {1280, 752, 12, 13},
        {1280, 912, 14, 14},
        {1440, 852, 14, 14},
        {1600, 1152, 16, 16},
        {1920, 1032, 16, 14},
    };
    for (const Case& c : cases) {
        const Units u = choose_units(c.w, c.h);
        EXPECT_EQ(u.grid_unit, c.g) << c.w << "x" << c.h;
        EXPECT_EQ(u.text_unit, c.t) << c.w << "x" << c.h;
    }
    EXPECT_FALSE(client_too_small(780, 540));
    EXPECT_TRUE(client_too_small(779, 540));
    EXPECT_TRUE(client_too_small(780, 539));
}

TEST(Layout, GeometryAtTenAndAtTwelve) {
    // Every rectangle at 800x600 (units 10/10) and at 1024x768 (12/12), worked out by hand
    // from the geometry table; the header row at 140 and 192 and the text panel at 335 and 439
    // are the design's own examples.
    struct Expected {
        int32_t w, h;
        Rect grid, graph, title, moves_label, moves, score_label, score, circle, hint;
        int32_t header_left[3], header_right[3], header_top, row_top[5], cell_height;
        Rect prompt, prompt_text, panel;
        int32_t fonts[4];  // number, label, axis, title
    } cases[] = {
        // clang-format off
        {800, 600, {290, 50, 790, 550}, {270, 40, 800, 570}, {290, 0, 790, 50}, {20, 29, 70, 39},
         {20, 40, 70, 60}, {80, 29, 130, 39}, {80, 40, 130, 60}, {55, 80, 95, 120},
         {105, 85, 215, 120}, {80, 139, 198}, {140, 199, 258}, 140, {169, 198, 227, 256, 285}, 30,
         {20, 365, 258, 505}, {23, 367, 255, 503}, {20, 335, 780, 600}, {25, 15, 10, 37}},
        {1024, 768, {348, 84, 948, 684}, {324, 72, 1024, 708}, {348, 0, 948, 84}, {24, 35, 84, 47},
         {24, 48, 84, 72}, {96, 35, 156, 47}, {96, 48, 156, 72}, {66, 96, 114, 144},
         {126, 102, 258, 144}, {96, 167, 238}, {168, 239, 310}, 192, {227, 262, 297, 332, 367}, 36,
         {24, 463, 310, 631}, {27, 465, 307, 629}, {24, 439, 1000, 768}, {30, 18, 12, 63}},
        // clang-format on
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.w);
        Layout l;
        l.client_rect = {0, 0, e.w, e.h};
        const Units u = choose_units(e.w, e.h);
        l.grid_unit = u.grid_unit;
        l.text_unit = u.text_unit;
        compute_grid(l);
        compute_panels(l);
        EXPECT_EQ(l.grid_rect, e.grid);
        EXPECT_EQ(l.graph_area, e.graph);
        EXPECT_EQ(l.title_rect, e.title);
        EXPECT_EQ(l.moves_label_rect, e.moves_label);
        EXPECT_EQ(l.moves_box, e.moves);
        EXPECT_EQ(l.score_label_rect, e.score_label);
        EXPECT_EQ(l.score_box, e.score);
        EXPECT_EQ(l.colour_circle, e.circle);
        EXPECT_EQ(l.colour_hint_box, e.hint);
        for (int k = 0; k < 3; ++k) {
            const Rect header{e.header_left[k], e.header_top, e.header_right[k],
                              e.header_top + e.cell_height};
            EXPECT_EQ(l.table_header[k], header);
            for (int r = 0; r < 5; ++r)
                EXPECT_EQ(l.table_cell[r][k],
                          (Rect{e.header_left[k], e.row_top[r], e.header_right[k],
                                e.row_top[r] + e.cell_height}));
        }
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(l.table_row_label[r], (Rect{e.moves.left, e.row_top[r], e.header_left[0] + 1,
                                                  e.row_top[r] + e.cell_height}));
        EXPECT_EQ(l.prompt_box, e.prompt);
        EXPECT_EQ(l.prompt_text_rect, e.prompt_text);
        EXPECT_EQ(l.text_panel, e.panel);
        const Font fonts[4] = {l.number_font, l.label_font, l.axis_font, l.title_font};
        for (int f = 0; f < 4; ++f) EXPECT_EQ(fonts[f].height, e.fonts[f]);
        EXPECT_TRUE(l.number_font.bold() && l.title_font.bold());
        EXPECT_FALSE(l.label_font.bold() || l.axis_font.bold());
    }
}

TEST(Paint, TooSmallClientShowsTheMessageAndNothingElseEver) {
    PaintedBoard small(4, 779, 600);
    EXPECT_EQ(small.first, PaintResult::too_small);
    EXPECT_EQ(small.board.game.screen_too_small, 1);
    ASSERT_EQ(small.dc.count(Kind::fill_rect), 1);
    EXPECT_EQ(small.dc.ops()[0].brush, palette::warning_brush);
    const auto& text = small.dc.ops()[1];
    EXPECT_EQ(text.text,
              "THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. "
              "PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.");
    EXPECT_EQ(text.format, DT_CENTER | DT_WORDBREAK);
    EXPECT_EQ(text.text_colour, 0xFF0000u);
    EXPECT_EQ(text.font.height, 50);
    EXPECT_TRUE(text.font.bold());
    EXPECT_FALSE(print_enabled(small.board.game));

    small.dc.clear();
    EXPECT_EQ(paint_board(small.dc, small.board, testing::some_time()), PaintResult::nothing);
    EXPECT_TRUE(small.dc.ops().empty());
    EXPECT_EQ(small.key(VK_UP).cue_count, 0);
    EXPECT_TRUE(small.dc.ops().empty());
}

TEST(Paint, LayoutOncePerGameAndTheExitOnAChangedClient) {
    PaintedBoard b(4, 800, 600);
    ASSERT_EQ(b.first, PaintResult::drawn);
    EXPECT_EQ(b.board.game.board_state, 2);
    EXPECT_EQ(b.board.title_banner,
              "Zarvo, a puzzle from the Zarvo team -- 3/4/26 7:05:09 -- Version Z611");
    EXPECT_EQ(b.board.print_banner, b.board.title_banner);
    EXPECT_EQ(b.board.game.seg_start_x[0], b.board.layout.grid_rect.left);
    EXPECT_EQ(b.board.game.box_run, 25);
    EXPECT_EQ(b.board.game.seg_rise[2], 45);

    RecordingSurface other(Rect{0, 0, 1024, 768});
    EXPECT_EQ(paint_board(other, b.board, testing::some_time()), PaintResult::client_changed);
}

TEST(Paint, DateInTheBannerHasNoLeadingZeros) {
    std::tm t{};
    t.tm_year = 100, t.tm_mon = 11, t.tm_mday = 31, t.tm_hour = 23, t.tm_min = 59, t.tm_sec = 0;
    EXPECT_EQ(format_date(t), "12/31/00 23:59:00");
    t.tm_year = 209, t.tm_mon = 0, t.tm_mday = 1, t.tm_hour = 0, t.tm_min = 0;
    EXPECT_EQ(format_date(t), "1/1/09 0:00:00");
}

TEST(DrawBoard, EmptyBoardHasGridAndLabelsButNoDots) {
    PaintedBoard b(4, 800, 600);
    b.key(VK_SPACE);
    EXPECT_EQ(b.ellipses_with(palette::colour_brush[0].colour), 0);
    std::vector<std::string> labels;
    for (const auto& op : b.dc.ops())
        if (op.kind == Kind::text && op.font == b.board.layout.axis_font) labels.push_back(op.text);
    EXPECT_EQ(labels,
              (std::vector<std::string>{"1000", "900", "800", "700", "600", "500", "400", "300",
                                        "200", "100", "0", "4", "8", "12", "16", "20"}));
    // The grid's corners are (290, 50) and (790, 550), a cell is 5 pixels: a weight label ends
    // 2 pixels left of the grid, centred on its line; a box label's right edge is a cell right
    // of its line, 2 pixels below the grid. Each is cleared to white, then drawn in grey.
    const struct {
        const char* text;
        Rect rect;
    } placed[] = {{"1000", {268, 45, 288, 56}},
                  {"0", {268, 545, 288, 556}},
                  {"4", {375, 552, 395, 563}},
                  {"20", {775, 552, 795, 563}}};
    for (const auto& [text, rect] : placed) {
        const auto& ops = b.dc.ops();
        const auto at = std::find_if(ops.begin(), ops.end(), [&](const auto& op) {
            return op.kind == Kind::text && op.text == text && op.font == b.board.layout.axis_font;
        });
        ASSERT_NE(at, ops.end()) << text;
        EXPECT_EQ(at->rect, rect) << text;
        EXPECT_EQ(at->text_colour, 0xBCBCBCu) << text;
        EXPECT_EQ(at->format, DT_RIGHT | DT_VCENTER | DT_SINGLELINE) << text;
        EXPECT_TRUE(at[-1].kind == Kind::rectangle && at[-1].rect == rect &&
                    at[-1].pen == palette::blank_pen && at[-1].brush.colour == 0xFFFFFFu)
            << text;
    }
    // 101 horizontal and 21 vertical fine lines, then 11 and 6 major ones.
    EXPECT_EQ(b.dc.count(Kind::line_to), 101 + 21 + 11 + 6);
}

TEST(DrawBoard, AxisOfFiftyBoxesAndStepOfTwoCells) {
    PaintedBoard b(0, 800, 600);
    b.key(VK_SPACE);
    std::vector<std::string> labels;
    for (const auto& op : b.dc.ops())
        if (op.kind == Kind::text && op.font == b.board.layout.axis_font &&
            op.rect.top > b.board.layout.grid_rect.bottom)
            labels.push_back(op.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"10", "20", "30", "40", "50"}));
    EXPECT_EQ(b.dc.count(Kind::line_to), 101 + 51 + 11 + 6);
}

TEST(DrawBoard, FullAndPartialModes) {
    // Problem 4 (10, 30 and 90 pounds) at 800x600: the grid's lower left corner is (290, 550),
    // a box is 25 pixels across, and blue, green and red rise 5, 15 and 45 pixels a box.
    PaintedBoard b(4, 800, 600);
    KeyOutcome o = b.key(VK_UP);  // the first Up also takes the overlay away: full mode
    EXPECT_EQ(o.redraw, Redraw::board_full);
    EXPECT_EQ(b.dc.ops()[0].kind, Kind::rectangle);
    EXPECT_EQ(b.dc.ops()[0].rect, b.board.layout.text_panel);        // erased first
    EXPECT_EQ(b.ellipses_with(palette::colour_brush[0].colour), 2);  // corner and first box

    // A partial draw is one line from the segment's start to its end, and the end's dot.
    const auto partial_line = [&](int colour, Rect from_to) {
        const auto& ops = b.dc.ops();
        const auto move = std::find_if(ops.begin(), ops.end(),
                                       [](const auto& op) { return op.kind == Kind::move_to; });
        ASSERT_NE(move, ops.end());
        ASSERT_EQ(move + 2 < ops.end(), true);
        EXPECT_EQ(move->pen, palette::segment_pen[colour]);
        EXPECT_EQ((Rect{move->rect.left, move->rect.top, move[1].rect.left, move[1].rect.top}),
                  from_to);
        EXPECT_EQ(move[1].kind, Kind::line_to);
        EXPECT_EQ(move[2].kind, Kind::ellipse);
        EXPECT_EQ(move[2].rect, (Rect{from_to.right - 2, from_to.bottom - 2, from_to.right + 3,
                                      from_to.bottom + 3}));
        EXPECT_EQ(move[2].brush, palette::colour_brush[colour]);
        EXPECT_EQ(b.dc.count(Kind::line_to), 1);
    };
    o = b.key(VK_UP);
    EXPECT_EQ(o.redraw, Redraw::board_partial);
    partial_line(0, {290, 550, 340, 540});
    const auto texts = b.dc.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2"), texts.end());  // the move count
    EXPECT_TRUE(std::any_of(b.dc.ops().begin(), b.dc.ops().end(), [](const auto& op) {
        return op.text == start_prompt() && op.text_colour == palette::red_text;
    }));  // the start prompt, in red
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "1000"), texts.end());  // no axis labels

    b.key(VK_TAB);
    EXPECT_EQ(b.dc.ops().size(), 1u);
    EXPECT_TRUE(b.dc.texts().empty());
    EXPECT_EQ(b.dc.ops()[0].kind, Kind::ellipse);
    EXPECT_EQ(b.dc.ops()[0].brush, palette::colour_brush[1]);
    EXPECT_EQ(b.dc.ops()[0].pen, palette::circle_pen[1]);
    EXPECT_EQ(b.dc.ops()[0].rect, b.board.layout.colour_circle);

    b.key(VK_UP);
    partial_line(1, {340, 540, 365, 525});  // green starts where blue ends
    b.key(VK_TAB);
    b.key(VK_UP);
    partial_line(2, {365, 525, 390, 480});
    b.key(VK_UP);
    partial_line(2, {365, 525, 415, 435});

    // A full draw leaves green's dot on top where green starts, and red's where red starts.
    b.key(VK_SPACE);
    EXPECT_EQ(b.ellipses_with(palette::colour_brush[0].colour), 3);
    EXPECT_EQ(b.ellipses_with(palette::colour_brush[1].colour), 2);
    EXPECT_EQ(b.ellipses_with(palette::colour_brush[2].colour), 3);
}

TEST(CellFilter, LeavesOutOnlyCellsThatStandAsDrawn) {
    // The board's own draws: a move draws again only the cells whose numbers changed, and the
    // ones something else drew over since.
    PaintedBoard b(21, 1024, 768);
    b.key(VK_UP);  // takes the story away
    CellMemory memory;
    bool disc_drawn = false;
    const auto drawn_texts = [&](int vk) {
        RecordingSurface picture(Rect{0, 0, 1024, 768});
        const KeyOutcome o = press_key(b.board, vk);
        {
            CellFilter dc(memory, picture);
            carry_out(dc, b.board, o, testing::some_time());
        }
        const auto& ops = picture.ops();
        disc_drawn = std::any_of(ops.begin(), ops.end(), [&](const RecordingSurface::Op& op) {
            return op.kind == Kind::ellipse && op.rect == b.board.layout.colour_circle;
        });
        return picture.texts();
    };
    drawn_texts(VK_UP);
    using Texts = std::vector<std::string>;
    const auto has = [](const Texts& texts, std::string_view text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    const std::string hint_text = "To change color press the Tab key";
    const Texts moved = drawn_texts(VK_UP);
    for (const char* changed : {"3", "90", "17", "910"})
        EXPECT_TRUE(has(moved, changed)) << changed;
    for (const std::string& kept :
         {std::string("ZARVO"), std::string("Boxes"), std::string("30"), std::string("110"),
          std::string("  Blue"), std::string("Score"), std::string("0"), hint_text, start_prompt()})
        EXPECT_FALSE(has(moved, kept)) << kept;
    EXPECT_FALSE(disc_drawn);                 // the colour's disc stands as it was
    EXPECT_EQ(drawn_texts(VK_TAB), Texts{});  // only the disc
    EXPECT_TRUE(disc_drawn);

    // Something drawn over a cell outside any cell: that cell is drawn again.
    RecordingSurface picture(Rect{0, 0, 1024, 768});
    const Rect hint = b.board.layout.colour_hint_box;
    const Rect disc = b.board.layout.colour_circle;
    {
        CellFilter dc(memory, picture);
        dc.MoveTo(hint.left, hint.top + 3);
        dc.LineTo(hint.right, hint.top + 3);
        dc.MoveTo(disc.left, disc.bottom - 1);
        dc.LineTo(disc.left + 2, disc.bottom - 1);  // in a corner of the disc's box
    }
    const Texts after_line = drawn_texts(VK_UP);
    EXPECT_TRUE(has(after_line, hint_text));
    EXPECT_FALSE(has(after_line, "Boxes"));
    EXPECT_TRUE(disc_drawn);

    // Two framed cells sharing a frame of one colour keep each other while their text stays
    // off the frame; a text that reaches the frame makes its neighbour go again.
    std::vector<RecordingSurface::Op> drawn;
    const auto cells = [&](std::string_view left_text, std::string_view right_text) {
        RecordingSurface out(Rect{0, 0, 200, 100});
        {
            CellFilter dc(memory, out);
            dc.SelectObject(Pen{0x7F7F7F});
            dc.SelectObject(Font{10});
            dc.Rectangle(0, 0, 61, 20);
            dc.DrawText(left_text, Rect{0, 0, 61, 20}, DT_VCENTER | DT_SINGLELINE);
            dc.Rectangle(60, 0, 121, 20);
            dc.DrawText(right_text, Rect{60, 0, 121, 20}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        drawn = out.ops();
        return out.texts();
    };
    memory.clear();
    EXPECT_EQ(cells("  ab", "1"), (Texts{"  ab", "1"}));
    // New words in a box: only about the old and the new words is the box cleared (5 pixels a
    // letter, 10 high, centred, with 3 pixels around for letters reaching past their advance).
    EXPECT_EQ(cells("  ab", "2"), Texts{"2"});
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].kind, Kind::fill_rect);
    EXPECT_EQ(drawn[0].rect, (Rect{85, 2, 96, 18}));
    EXPECT_EQ(drawn[0].brush, Brush{});
    EXPECT_EQ(cells("  ab", "1"), Texts{"1"});
    // Words that reach the frame, and the words after them, go with their whole box.
    EXPECT_EQ(cells("  ab", "123456789012"), Texts{"123456789012"});
    EXPECT_EQ(drawn.front().kind, Kind::rectangle);
    EXPECT_EQ(cells("  ab", "1"), (Texts{"  ab", "1"}));
    EXPECT_EQ(drawn.back().kind, Kind::text);
    EXPECT_EQ(drawn[drawn.size() - 2].kind, Kind::rectangle);
    // 60 pixels wide: up to the frame, so the two cells are always drawn together.
    EXPECT_EQ(cells("abcdefghijkl", "1"), (Texts{"abcdefghijkl", "1"}));
    EXPECT_EQ(cells("abcdefghijkl", "1"), (Texts{"abcdefghijkl", "1"}));

    // A label's line reaching into the box below it, cleared before the box and its text drawn
    // last: the two go together, in their order, and only when one of them changed.
    const auto label_over = [&](std::string_view number) {
        RecordingSurface out(Rect{0, 0, 200, 100});
        {
            CellFilter dc(memory, out);
            dc.Rectangle(0, 0, 50, 22);
            dc.Rectangle(0, 20, 50, 40);
            dc.DrawText(number, Rect{0, 20, 50, 40}, DT_SINGLELINE);
            dc.DrawText("label", Rect{0, 0, 50, 20}, DT_SINGLELINE);
        }
        return out.texts();
    };
    EXPECT_EQ(label_over("1"), (Texts{"1", "label"}));
    EXPECT_EQ(label_over("1"), Texts{});
    // The label's words reach into the number's place: the two go again with their boxes.
    EXPECT_EQ(label_over("2"), (Texts{"2", "label"}));
    // A number of its own, below the label's reach: only the number, on the box under it;
    // with a disc over the number, both go again with their box.
    const auto number_under = [&](std::string_view number, bool disc = false) {
        RecordingSurface out(Rect{0, 0, 200, 100});
        {
            CellFilter dc(memory, out);
            dc.SelectObject(Font{10});
            dc.Rectangle(0, 0, 50, 22);
            dc.Rectangle(0, 20, 50, 60);
            dc.DrawText(number, Rect{0, 20, 50, 60}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            if (disc) dc.Ellipse(22, 36, 28, 44);
            dc.DrawText("label", Rect{0, 0, 50, 20}, DT_SINGLELINE);
        }
        drawn = out.ops();
        return out.texts();
    };
    EXPECT_EQ(number_under("1"), (Texts{"1", "label"}));
    EXPECT_EQ(number_under("22"), Texts{"22"});
    EXPECT_EQ(drawn.front().kind, Kind::fill_rect);
    number_under("22", true);
    EXPECT_EQ(number_under("3", true), (Texts{"3", "label"}));

    // A fill over the cells it covers, as a new problem's paint clears the board first: the
    // cells drawn again as they stand are left out, and the fill goes only where none of their
    // boxes stands, the corners beside a narrower box below a wider one included.
    const auto over_fill = [&] {
        RecordingSurface out(Rect{0, 0, 200, 100});
        {
            CellFilter dc(memory, out);
            dc.FillRect(Rect{0, 0, 200, 100}, Brush{});
            dc.Rectangle(0, 0, 50, 22);
            dc.Rectangle(10, 20, 40, 40);
            dc.DrawText("1", Rect{10, 20, 40, 40}, DT_SINGLELINE);
        }
        drawn = out.ops();
        return out.texts();
    };
    memory.clear();
    EXPECT_EQ(over_fill(), Texts{"1"});
    EXPECT_EQ(over_fill(), Texts{});
    int64_t filled = 0;
    for (const RecordingSurface::Op& o : drawn) {
        ASSERT_EQ(o.kind, Kind::fill_rect);
        for (const Rect box : {Rect{0, 0, 50, 22}, Rect{10, 20, 40, 40}})
            EXPECT_TRUE(o.rect.right <= box.left || o.rect.left >= box.right ||
                        o.rect.bottom <= box.top || o.rect.top >= box.bottom);
        filled += int64_t{o.rect.width()} * o.rect.height();
    }
    EXPECT_EQ(filled, 200 * 100 - (50 * 22 + 30 * 20 - 30 * 2));
}

TEST(CellFilter, PutsBackAGroupOnlyAsItWasKept) {
    // A store that remembers what it was asked to keep, and can lose its copies. Putting back
    // changes the whole area, or (`as_kept`) nothing, as when the picture is as it was kept.
    struct Copies : PixelStore {
        std::vector<Rect> kept;
        int put = 0;
        bool as_kept = false;
        bool can_keep(const Rect&) override { return true; }
        void keep(const Rect& area, int) override { kept.push_back(area); }
        bool put_back(const Rect& area, int, std::vector<Rect>& changed) override {
            if (std::count(kept.begin(), kept.end(), area) == 0) return false;
            ++put;
            if (!as_kept) changed.push_back(area);
            return true;
        }
    } copies;
    PaintedBoard b(21, 1024, 768);
    b.key(VK_UP);  // takes the story away
    b.key(VK_UP);
    CellMemory memory;
    using Texts = std::vector<std::string>;
    const auto drawn = [&](int vk) {
        RecordingSurface picture(Rect{0, 0, 1024, 768});
        const KeyOutcome o = press_key(b.board, vk);
        {
            CellFilter dc(memory, picture, true, &copies);
            carry_out(dc, b.board, o, testing::some_time());
        }
        return picture;
    };
    const auto has = [](const RecordingSurface& picture, std::string_view text) {
        const Texts texts = picture.texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    // The graph's paper is drawn and kept at the first Down, put back at the next; the line
    // over it is drawn each time.
    EXPECT_TRUE(has(drawn(VK_DOWN), "1000"));
    ASSERT_EQ(copies.kept.size(), 1u);
    const Rect paper = copies.kept[0];
    EXPECT_EQ(paper.right, b.board.layout.graph_area.right);
    drawn(VK_UP);
    const RecordingSurface again = drawn(VK_DOWN);
    EXPECT_FALSE(has(again, "1000"));
    EXPECT_EQ(copies.put, 1);
    EXPECT_TRUE(std::any_of(again.ops().begin(), again.ops().end(), [](const auto& op) {
        return op.kind == RecordingSurface::Kind::line_to && op.pen == palette::segment_pen[0];
    }));
    // A store that lost its copy gets the paper drawn and kept again.
    copies.kept.clear();
    drawn(VK_UP);
    EXPECT_TRUE(has(drawn(VK_DOWN), "1000"));
    EXPECT_EQ(copies.kept, std::vector<Rect>{paper});

    // A group that does not cover its area first, or reaches out of it, is drawn every time.
    const auto group = [&](const Rect& first, const Rect& text) {
        RecordingSurface out(Rect{0, 0, 200, 100});
        {
            CellFilter dc(memory, out, true, &copies);
            dc.BeginGroup(Rect{0, 0, 50, 50});
            dc.Rectangle(first);
            dc.DrawText("x", text, DT_SINGLELINE);
            dc.EndGroup();
        }
        return out.texts();
    };
    copies.kept.clear();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(group({0, 0, 40, 50}, {0, 0, 10, 10}), Texts{"x"});
        EXPECT_EQ(group({0, 0, 50, 50}, {45, 0, 55, 10}), Texts{"x"});
    }
    EXPECT_TRUE(copies.kept.empty());
    EXPECT_EQ(group({0, 0, 50, 50}, {0, 0, 10, 10}), Texts{"x"});
    EXPECT_EQ(group({0, 0, 50, 50}, {0, 0, 10, 10}), Texts{});

    // A box cleared before a group that takes in its last rows, its title drawn after the
    // group: left out when drawn again if the group only fills over it in the box's colour.
    const auto title = [&](COLORREF box, int32_t line_y) {
        RecordingSurface out(Rect{0, 0, 200, 100});
        {
            CellFilter dc(memory, out, true, &copies);
            dc.SelectObject(Pen{box});
            dc.SelectObject(Brush{box});
            dc.Rectangle(0, 0, 100, 30);
            dc.BeginGroup(Rect{0, 20, 200, 100});
            dc.SelectObject(palette::blank_pen);
            dc.SelectObject(palette::background_brush);
            dc.Rectangle(0, 20, 200, 100);
            dc.SelectObject(palette::grid_pen);
            dc.MoveTo(0, line_y);
            dc.LineTo(150, line_y);
            dc.EndGroup();
            dc.DrawText("title", Rect{0, 0, 100, 30}, DT_SINGLELINE);
        }
        return out.texts();
    };
    copies.as_kept = true;
    const struct {
        COLORREF box;
        int32_t line_y;
        Texts again;
    } titles[] = {{0xFFFFFF, 30, {}},  // the line runs just below the box
                  {0xFFFFFF, 29, {"title"}},
                  {0x00FFFF, 30, {"title"}}};
    for (const auto& t : titles) {
        memory.clear();
        copies.kept.clear();
        EXPECT_EQ(title(t.box, t.line_y), Texts{"title"});
        EXPECT_EQ(title(t.box, t.line_y), t.again) << t.line_y << " " << t.box;
    }
}

TEST(DrawBoard, TableCellsAndGameOverPrompt) {
    PaintedBoard b(21, 1024, 768);
    for (int i = 0; i < 17; ++i) b.key(VK_UP);  // 17 blue, 1 green, 2 red
    b.key(VK_TAB);
    b.key(VK_UP);
    b.key(VK_TAB);
    b.key(VK_UP);
    b.key(VK_UP);
    ASSERT_EQ(b.board.game.game_over, 1);
    const auto& l = b.board.layout;
    for (int r = 3; r < 5; ++r) {  // Box Wt. of Total and Remain: framed, empty
        const auto framed =
            std::count_if(b.dc.ops().begin(), b.dc.ops().end(), [&](const auto& op) {
                return op.kind == Kind::rectangle && op.rect == l.table_cell[r][1] &&
                       op.pen == palette::table_pen;
            });
        EXPECT_EQ(framed, 1);
        for (const auto& op : b.dc.ops())
            EXPECT_FALSE(op.kind == Kind::text && op.rect == l.table_cell[r][1]);
    }
    // Every heading and row label, each in its own cell.
    const char* headers[] = {"Boxes", "Box Wt.", "Pounds"};
    const char* rows[] = {"  Blue", "  Green", "  Red", "  Total", "  Remain"};
    const auto drawn_in = [&](const std::string& text, const Rect& cell, COLORREF colour) {
        return std::any_of(b.dc.ops().begin(), b.dc.ops().end(), [&](const auto& op) {
            return op.kind == Kind::text && op.text == text && op.rect == cell &&
                   op.text_colour == colour;
        });
    };
    using namespace palette;
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(drawn_in(headers[k], l.table_header[k], label_text)) << headers[k];
    // The labels after the score (drawn in its own colour) are back in the labels' grey.
    EXPECT_TRUE(drawn_in("Score", line_cell(l.score_label_rect, l.label_font.height), label_text));
    EXPECT_TRUE(drawn_in("Moves", line_cell(l.moves_label_rect, l.label_font.height), label_text));
    EXPECT_TRUE(drawn_in("To change color press the Tab key", l.colour_hint_box, label_text));
    // Each row's label and numbers in the row's colour: 17, 1 and 2 boxes of 30, 110 and 190.
    const COLORREF colours[5] = {blue_text, green_text, red_text, black, black};
    const char* numbers[5][3] = {{"17", "30", "510"},
                                 {"1", "110", "110"},
                                 {"2", "190", "380"},
                                 {"20", nullptr, "1000"},
                                 {"0", nullptr, "0"}};
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(drawn_in(rows[r], l.table_row_label[r], colours[r])) << rows[r];
        for (int k = 0; k < 3; ++k) {
            if (numbers[r][k]) {
                EXPECT_TRUE(drawn_in(numbers[r][k], l.table_cell[r][k], colours[r]))
                    << rows[r] << " column " << k;
            }
        }
    }
    bool prompt = false, score = false;
    for (const auto& op : b.dc.ops()) {
        if (op.kind != Kind::text) continue;
        if (op.text == game_over_prompt()) prompt = op.text_colour == palette::blue_text;
        if (op.rect == l.score_box)
            score = op.text == "100" && op.text_colour == palette::score_text;
    }
    EXPECT_TRUE(prompt);
    EXPECT_TRUE(score);
}

TEST(ResultsPage, GeometryOfTheWorkedExampleAndOfALetterPage) {
    // The recording surface measures "W" as tall as its font, so the banner font's height is
    // the line unit h. The first page is the worked example of 4800 x 6400 pixels; the second a
    // US Letter page at 300 dpi, 2550 x 3300, worked out by hand the same way.
    struct Page {
        int32_t w, h;
        int32_t left, top, right, banner_font, text_font;
        Rect result, story;
    } pages[] = {
        {4800, 6400, 360, 213, 4440, 96, 120, {360, 597, 4440, 1125}, {360, 1317, 4440, 5973}},
        {2550, 3300, 191, 110, 2358, 48, 61, {191, 302, 2358, 566}, {191, 662, 2358, 3080}},
    };
    PaintedBoard b(21, 800, 600);
    for (const Page& page : pages) {
        RecordingSurface paper(Rect{0, 0, page.w, page.h});
        draw_results_page(paper, b.board, page.w, page.h);
        const auto& ops = paper.ops();
        ASSERT_EQ(ops.size(), 3u);
        EXPECT_EQ(ops[0].kind, Kind::text_out);
        EXPECT_EQ(ops[0].rect.left, page.left);
        EXPECT_EQ(ops[0].rect.top, page.top);
        EXPECT_EQ(ops[0].font.height, page.banner_font);
        EXPECT_EQ(ops[0].text, b.board.print_banner);
        EXPECT_EQ(ops[1].rect, page.result);
        EXPECT_EQ(ops[1].font.height, page.text_font);
        EXPECT_EQ(ops[1].format, DT_WORDBREAK);
        EXPECT_EQ(ops[2].rect, page.story);
        EXPECT_EQ(ops[2].font.height, page.text_font);
        EXPECT_EQ(ops[2].text, b.board.texts.story_text + b.board.texts.notice_text);
        EXPECT_EQ(ops[2].rect.right, page.right);
    }
}

// The fit rule as the design words it, one height at a time from text_unit.
int32_t fit_by_the_rule(Surface& dc, const std::string& text, const Rect& panel, int32_t unit) {
    const auto bottom_at = [&](int32_t h) {
        dc.SelectObject(CreateFont(h, 0, Face::arial));
        Rect r = panel;
        dc.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
        return r.bottom;
    };
    int32_t h = unit;
    int32_t bottom = bottom_at(h);
    while (bottom < panel.bottom) bottom = bottom_at(++h);
    return bottom > panel.bottom ? h - 1 : h;
}

TEST(Overlay, FitEqualsTheRuleForManyPanels) {
    // The fit starts from a guess and steps; over many panel shapes and texts it must land
    // where stepping up one height at a time lands.
    RecordingSurface dc(Rect{0, 0, 2000, 2000});
    const std::string texts[] = {
        "x", "x\ny\n\nz", std::string(60, 'w'),
        "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn",
        "one two three four five six seven eight nine ten eleven twelve\nthirteen fourteen"};
    for (const std::string& text : texts)
        for (int32_t width : {40, 90, 300})
            for (int32_t height = 1; height <= 240; height += 1) {
                Board b;
                b.layout.text_unit = 10;
                b.layout.text_panel = {0, 100, width, 100 + height};
                b.overlay_text = text;
                ASSERT_EQ(fit_overlay_font(dc, b),
                          fit_by_the_rule(dc, text, b.layout.text_panel, 10))
                    << text << " in " << width << "x" << height;
            }
}

TEST(Overlay, FitRuleEdgeCases) {
    // With half-height-wide characters the text's bottom is easy to reason about.
    Board b;
    b.layout.text_unit = 10;
    b.overlay_text = std::string(50, 'x');  // one line of 50 characters
    b.layout.text_panel = {0, 100, 1000, 100 + 20};
    RecordingSurface dc(Rect{0, 0, 1000, 1000});
    // Height 20 makes one line of 500 pixels whose bottom equals the panel's: it stays.
    EXPECT_EQ(fit_overlay_font(dc, b), 20);
    EXPECT_EQ(b.overlay_font.height, 20);

    b.overlay_text = "x\ny";  // two lines: 2h reaches 24 at 12 and passes 25 at 13
    b.layout.text_panel = {0, 100, 1000, 100 + 25};
    EXPECT_EQ(fit_overlay_font(dc, b), 12);

    b.layout.text_panel = {0, 100, 1000, 100 + 5};  // already past at text_unit
    EXPECT_EQ(fit_overlay_font(dc, b), 9);

    b.layout.text_panel = {0, 100, 100, 100 + 64};  // wraps: 10 chars a line at height 20
    b.overlay_text = "aaaa bbbb cccc dddd eeee";
    // h=16: 12 chars a line, 2 words, 3 lines of 16 = 48; h=21: 9 chars, 1 word, 5 lines = 105
    const int32_t h = fit_overlay_font(dc, b);
    Rect r = b.layout.text_panel;
    dc.SelectObject(CreateFont(h, 0, Face::arial));
    dc.DrawText(b.overlay_text, r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_LE(r.bottom, b.layout.text_panel.bottom);
    r = b.layout.text_panel;
    dc.SelectObject(CreateFont(h + 1, 0, Face::arial));
    dc.DrawText(b.overlay_text, r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(r.bottom, b.layout.text_panel.bottom);

    // A line exactly as wide as its rectangle stays whole; one pixel narrower, it wraps.
    dc.SelectObject(CreateFont(10, 0, Face::arial));  // "aaaa bbbb": 9 characters, 45 pixels
    for (auto [width, bottom] : {std::pair{45, 10}, std::pair{44, 20}}) {
        Rect line{0, 0, width, 0};
        dc.DrawText("aaaa bbbb", line, DT_CALCRECT | DT_WORDBREAK);
        EXPECT_EQ(line.bottom, bottom) << width;
    }
}

TEST(Overlay, ShownAtStartHiddenByMovesAndRedrawnByF1) {
    PaintedBoard b(4, 800, 600);
    const auto last = b.dc.ops().back();
    EXPECT_EQ(last.kind, Kind::text);
    EXPECT_EQ(last.rect, b.board.layout.text_panel);
    EXPECT_EQ(last.text, b.board.texts.story_text + overlay_tail());
    EXPECT_EQ(last.text_colour, 0u);
    EXPECT_EQ(last.format, DT_WORDBREAK);

    b.key(VK_DOWN);  // refused: the overlay stays and nothing is drawn
    EXPECT_TRUE(b.dc.ops().empty());
    EXPECT_EQ(b.board.game.overlay_shown, 1);

    b.key(VK_F1);
    const int32_t fitted = b.board.overlay_font.height;
    ASSERT_FALSE(b.dc.ops().empty());
    EXPECT_EQ(b.dc.ops()[0].rect, b.board.layout.prompt_box);  // the prompt goes first
    b.key(VK_F1);
    EXPECT_EQ(b.board.overlay_font.height, fitted);
    EXPECT_EQ(b.dc.ops().back().font.height, fitted);
}

}  // namespace
// The page's record of where its canvas was drawn on, through random drawing and taking: what
// is taken back from an area holds every pixel drawn on inside it and nothing outside it, and
// afterwards only tiles cut by the area's edge are still drawn on.
TEST(DrawnTiles, TakingAnAreaHoldsEveryPixelDrawnOnInIt) {
    std::mt19937 random(5);
    const auto any = [&](int n) { return static_cast<int32_t>(random() % n); };
    constexpr int32_t k = web::DrawnTiles::kTile;
    for (int round = 0; round < 200; ++round) {
        const Rect client{0, 0, 1 + any(120), 1 + any(90)};
        web::DrawnTiles tiles;
        tiles.reset(client);
        tiles.clear();
        std::vector<char> drawn(static_cast<size_t>(client.right * client.bottom), 0);
        const auto pixel = [&](int32_t x, int32_t y) -> char& {
            return drawn[static_cast<size_t>(y * client.right + x)];
        };
        for (int step = 0; step < 6; ++step) {
            const int32_t l = any(130) - 5, t = any(100) - 5;
            const Rect r{l, t, l + any(40), t + any(40)};
            tiles.mark(r.left, r.top, r.right, r.bottom);
            for (int32_t y = std::max(0, r.top); y < std::min(client.bottom, r.bottom); ++y)
                for (int32_t x = std::max(0, r.left); x < std::min(client.right, r.right); ++x)
                    pixel(x, y) = 1;
        }
        const int32_t l = any(client.right), t = any(client.bottom);
        const Rect area{l, t, l + 1 + any(client.right - l), t + 1 + any(client.bottom - t)};
        const std::vector<Rect> taken = tiles.take(area);
        const auto in = [](const std::vector<Rect>& boxes, int32_t x, int32_t y) {
            return std::any_of(boxes.begin(), boxes.end(), [&](const Rect& b) {
                return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
            });
        };
        for (const Rect& b : taken)
            ASSERT_TRUE(b.left >= area.left && b.top >= area.top && b.right <= area.right &&
                        b.bottom <= area.bottom)
                << "round " << round;
        for (int32_t y = area.top; y < area.bottom; ++y)
            for (int32_t x = area.left; x < area.right; ++x)
                if (pixel(x, y)) {
                    ASSERT_TRUE(in(taken, x, y)) << "round " << round;
                }
        // The tiles wholly inside the area count as not drawn on any more.
        const Rect whole{(area.left + k - 1) / k * k, (area.top + k - 1) / k * k,
                         area.right / k * k, area.bottom / k * k};
        if (whole.right > whole.left && whole.bottom > whole.top) {
            EXPECT_TRUE(tiles.take(whole).empty()) << "round " << round;
        }
    }
}

}  // namespace zarvo
