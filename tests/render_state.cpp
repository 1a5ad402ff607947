// Draws a game offscreen exactly as the desktop's view draws it, for comparing the web page's
// canvas with the desktop's picture of the same state, and for timing a key's drawing natively.
//
//   render_state WIDTH HEIGHT DPR PROBLEM LANG OUT.png [VK ...]
//     paints the board at the client size, then presses the keys (virtual-key codes, decimal)
//     and writes the picture; prints where the board's parts are, as the page reports them.
//   render_state WIDTH HEIGHT DPR PROBLEM LANG --time N VK1 VK2
//     prints the mean time in milliseconds of one key reaching the desktop's view, pressing VK1
//     and VK2 in turn N times (QT_SCALE_FACTOR gives the view a device pixel ratio).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/language.h"
#include "app/qt_surface.h"
#include "app/zarvok_view.h"
#include "board/key_path.h"

using namespace zarvo;

namespace {

struct Offscreen : KeyShell {
    QImage canvas;
    void play_cue(Cue) override {}
    bool has_picture() const override { return true; }
    void draw_key(const std::function<void(Surface&)>& draw, bool) override {
        QPainter painter(&canvas);
        const QSize size = canvas.deviceIndependentSize().toSize();
        QtSurface dc(painter, Rect{0, 0, size.width(), size.height()});
        draw(dc);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: render_state W H DPR PROBLEM LANG OUT.png [VK ...]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const int w = std::atoi(argv[1]), h = std::atoi(argv[2]);
    const double dpr = std::atof(argv[3]);
    if (std::strcmp(argv[5], "en") != 0 && !load_language(argv[5])) {
        std::fprintf(stderr, "render_state: no language %s\n", argv[5]);
        return 2;
    }
    Board board;
    board.chooser.play_next(std::atoi(argv[4]));
    new_game(board.game, board.texts, board.chooser);
    Offscreen shell;
    shell.canvas = QImage(QSize(w, h) * dpr, QImage::Format_RGB32);
    shell.canvas.setDevicePixelRatio(dpr);
    shell.canvas.fill(Qt::white);
    std::tm local{};
    shell.draw_key([&](Surface& dc) { paint_board(dc, board, local); }, false);

    if (std::strcmp(argv[6], "--time") == 0) {
        // The desktop's own view, as a key reaches it, at the same client size.
        if (argc < 10) return 2;
        const int n = std::atoi(argv[7]);
        const int vks[2] = {std::atoi(argv[8]), std::atoi(argv[9])};
        ProblemChooser chooser;
        chooser.play_next(std::atoi(argv[4]));
        CZarvokView view(chooser);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(w, h);
        view.OnDraw();
        view.OnKeyDown(vks[0]);  // fonts and caches warm, as in a game
        view.OnKeyDown(vks[1]);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i) view.OnKeyDown(vks[i % 2]);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        std::printf("%.4f\n", spent.count() / n);
        return 0;
    }
    for (int i = 7; i < argc; ++i) handle_key(board, std::atoi(argv[i]), shell, false, local);
    const Layout& l = board.layout;
    for (const Rect& r : {l.client_rect, l.grid_rect, l.graph_area, l.title_rect, l.moves_box,
                          l.score_box, l.colour_circle, l.prompt_box, l.text_panel})
        std::printf("%d %d %d %d;", r.left, r.top, r.right, r.bottom);
    std::printf("\n");
    return shell.canvas.save(QString::fromLocal8Bit(argv[6])) ? 0 : 1;
}
