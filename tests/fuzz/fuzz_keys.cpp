// Fuzzes the key rules and the drawing they lead to. The first byte picks the problem, the
// second the client size (too small ones included); every later byte is one key-down event
// with that virtual-key code, except 0xFF, which is a paint. Every invariant of the game state
// is checked after every event.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "board/board.h"
#include "board/recording_surface.h"
#include "invariants.h"

namespace {

const zarvo::Rect kClients[] = {{0, 0, 800, 600}, {0, 0, 1024, 768}, {0, 0, 1920, 1080},
                                {0, 0, 780, 540}, {0, 0, 779, 600},  {0, 0, 1366, 720}};

// How many key-down events were fuzzed, told when the fuzzer ends.
struct KeyCount {
    uint64_t keys = 0;
    ~KeyCount() {
        std::fprintf(stderr, "keys fuzzed: %llu\n", static_cast<unsigned long long>(keys));
    }
} key_count;

void fail(const char* what, size_t at) {
    std::fprintf(stderr, "invariant broken after event %zu: %s\n", at, what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvo;
    if (size < 2) return 0;
    static int64_t clock = 0;
    Board board(ProblemChooser([] { return ++clock; }));
    board.chooser.play_next(data[0] % kProblemCount);
    new_game(board.game, board.texts, board.chooser);
    RecordingSurface dc(kClients[data[1] % std::size(kClients)]);
    const std::tm when{};

    if (paint_board(dc, board, when) == PaintResult::client_changed) fail("client changed", 0);
    for (size_t i = 2; i < size; ++i) {
        dc.clear();
        if (data[i] == 0xFF) {
            if (paint_board(dc, board, when) == PaintResult::client_changed)
                fail("client changed", i);
        } else {
            ++key_count.keys;
            const KeyOutcome outcome = press_key(board, data[i]);
            if (carry_out(dc, board, outcome, when) == PaintResult::client_changed)
                fail("client changed", i);
        }
        const GameState& s = board.game;
        if (s.layout_ready == 1 && s.screen_too_small == 0) {
            if (const char* broken = invariant_broken(s, board.layout.grid_rect)) fail(broken, i);
        }
        if (s.screen_too_small == 1 && s.board_state == 2) fail("a too-small screen was drawn", i);
    }
    return 0;
}
