// The web shell: the game in a page. The page (shell.js) owns the canvas, the keys, the sound
// and the screen reader's live region; this side owns the game and draws through the canvas
// surface. Every key goes through the same key path as on the desktop.
#include <emscripten.h>

#include <cstring>
#include <ctime>
#include <string>

#include "board/cell_filter.h"
#include "board/key_path.h"
#include "print/results_page.h"
#include "puzzle/speech.h"
#include "puzzle/text.h"
#include "web/canvas_surface.h"
#include "web/translations.h"

namespace zarvo::web {

// clang-format off
EM_JS(void, js_play_cue, (int id), { Module.playCue(id); });
EM_JS(int, js_whole_pixels, (), { return Number.isInteger(window.devicePixelRatio || 1); });
EM_JS(char*, js_format_date, (int y, int mo, int d, int h, int mi, int s), {
    const when = new Date(y, mo, d, h, mi, s);
    const date = when.toLocaleDateString(Module.languageCode, {dateStyle: "short"});
    const pad = (n) => String(n).padStart(2, "0");
    return allocateUTF8(date + " " + pad(h) + ":" + pad(mi) + ":" + pad(s));
});
// clang-format on

namespace {

const LanguageTable* g_language = nullptr;

std::string lookup(const char* context, const char* source, int n) {
    if (!g_language) return {};
    for (int i = 0; i < g_language->count; ++i) {
        const Message& m = g_language->messages[i];
        if (std::strcmp(m.context, context) != 0 || std::strcmp(m.source, source) != 0) continue;
        if (n < 0 || !m.forms[1][0]) return m.forms[0];
        const bool one = g_language->plural_rule == 1 ? n <= 1 : n == 1;
        return one ? m.forms[0] : m.forms[1];
    }
    return {};
}

std::string local_date(const std::tm& t) {
    char* text =
        js_format_date(t.tm_year + 1900, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    std::string out(text);
    std::free(text);
    return out;
}

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// The game in the page, and the picture of it on the canvas.
class Page : public KeyShell {
  public:
    Board board;
    Rect client;
    bool pictured = false;
    std::string sentence;
    std::string text;  // what the last text query answered
    CellMemory cells;  // what the canvas's cells hold
    DrawnTiles drawn;  // where the canvas was drawn on since the paper's copy was kept
    bool whole_pixels = true;

    void play_cue(Cue cue) override { js_play_cue(static_cast<int>(cue)); }
    bool has_picture() const override { return pictured; }
    void draw_key(const std::function<void(Surface&)>& draw, bool) override {
        CanvasSurface canvas(client, &drawn);
        CellFilter dc(cells, canvas, whole_pixels, &canvas);
        draw(dc);
    }

    // A paint follows a new canvas: what its cells held is gone. At a fractional pixel ratio a
    // cell's edges blend with what was under them, and every cell is drawn.
    int paint(int width, int height) {
        client = Rect{0, 0, width, height};
        lay_out_again(board);
        cells.clear();
        drawn.reset(client);
        whole_pixels = js_whole_pixels();
        CanvasSurface canvas(client, &drawn);
        CellFilter dc(cells, canvas, whole_pixels, &canvas);
        const PaintResult result = paint_board(dc, board, local_now());
        if (result == PaintResult::drawn && sentence.empty())
            sentence = opening_sentence(board.game);
        pictured = result == PaintResult::drawn || result == PaintResult::too_small;
        return static_cast<int>(result);
    }
};

Page& page() {
    static Page p;
    return p;
}

const char* answer(std::string s) {
    page().text = std::move(s);
    return page().text.c_str();
}

}  // namespace

}  // namespace zarvo::web

using namespace zarvo;
using namespace zarvo::web;

extern "C" {

// The languages the page speaks besides English, comma-separated.
EMSCRIPTEN_KEEPALIVE const char* zarvo_languages() {
    std::string codes;
    for (int i = 0; i < kLanguageCount; ++i) (codes += kLanguages[i].code) += ',';
    if (!codes.empty()) codes.pop_back();
    return answer(codes);
}

// Chooses the language by its file's code; false (and English) for one the game does not speak.
EMSCRIPTEN_KEEPALIVE int zarvo_set_language(const char* code) {
    g_language = nullptr;
    for (int i = 0; i < kLanguageCount; ++i)
        if (std::strcmp(kLanguages[i].code, code) == 0) g_language = &kLanguages[i];
    // A test language has no locale of its own: its dates are written as in English.
    const bool locale = g_language && std::strcmp(code, "pseudo") != 0;
    set_language(g_language ? lookup : nullptr, locale ? local_date : nullptr);
    return g_language != nullptr;
}

// A new game: problem `first` (0 to 27) if given, else one chosen as the desktop chooses.
EMSCRIPTEN_KEEPALIVE void zarvo_new_game(int first) {
    Page& p = page();
    if (first >= 0 && first < kProblemCount) p.board.chooser.play_next(first);
    new_game(p.board.game, p.board.texts, p.board.chooser);
    p.pictured = false;
}

// The whole board on the current canvas at a client size; returns the paint's result.
EMSCRIPTEN_KEEPALIVE int zarvo_paint(int width, int height) {
    return page().paint(width, height);
}

// One key with its virtual-key code: bit 0 when the key ran the paint procedure (a new title),
// bit 1 when the board is to be painted whole, bit 2 when it has a new sentence to say.
EMSCRIPTEN_KEEPALIVE int zarvo_key(int vk) {
    Page& p = page();
    const KeyStep step = handle_key(p.board, vk, p, true, local_now());
    if (!step.sentence.empty()) p.sentence = step.sentence;
    return (step.painted ? 1 : 0) | (step.paint_due ? 2 : 0) | (step.sentence.empty() ? 0 : 4);
}

EMSCRIPTEN_KEEPALIVE const char* zarvo_sentence() {
    return page().sentence.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* zarvo_state() {
    return answer(state_sentence(page().board.game));
}
EMSCRIPTEN_KEEPALIVE const char* zarvo_story() {
    return answer(page().board.texts.story_text);
}
EMSCRIPTEN_KEEPALIVE const char* zarvo_title() {
    return page().board.title_banner.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* zarvo_text(const char* context, const char* source) {
    return answer(translated(Text{context, source}));
}
EMSCRIPTEN_KEEPALIVE int zarvo_can_print() {
    return print_enabled(page().board.game) ? 1 : 0;
}

// The results page on the current canvas, `width` by `height` pixels.
EMSCRIPTEN_KEEPALIVE void zarvo_print(int width, int height) {
    Board& b = page().board;
    CanvasSurface dc(Rect{0, 0, width, height});
    dc.FillRect(Rect{0, 0, width, height}, Brush{0xFFFFFF});
    draw_results_page(dc, b, width, height);
}

// Where the board's parts are, for the page's tests: left top right bottom of each.
EMSCRIPTEN_KEEPALIVE const char* zarvo_layout() {
    const Layout& l = page().board.layout;
    std::string out;
    for (const Rect& r : {l.client_rect, l.grid_rect, l.graph_area, l.title_rect, l.moves_box,
                          l.score_box, l.colour_circle, l.prompt_box, l.text_panel})
        out += std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' +
               std::to_string(r.right) + ' ' + std::to_string(r.bottom) + ';';
    return answer(out);
}
}
