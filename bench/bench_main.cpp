// Timings of every path a key takes, each beside a baseline measured in the same run:
//   key_*        a key event through the view to the pixels on its canvas;
//                baseline: the same key event to a bare widget that draws one line and a dot
//                (key_up_cold against key_baseline_cold: each key after the caches were
//                emptied, as a student's keys find them)
//   board_*      draw_board in full and partial mode;
//                baseline: the primitives of a full draw sent straight to a QPainter
//   overlay_*    F1's draw_overlay with its fit; baseline: one wrapped drawing of the text
//   first_paint  a new game's first paint (layout, fonts, line, board, overlay)
//   page_*       the results page on a PDF printer; baseline: the same texts drawn directly
// Run on the offscreen platform; the screen size comes from ZARVO_BENCH_SIZE (WxH).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "app/qt_surface.h"
#include "app/zarvok_view.h"
#include "board/board.h"
#include "board/recording_surface.h"
#include "print/results_page.h"

namespace zarvo {
namespace {

int g_width = 1024, g_height = 768;

ProblemChooser fixed(int problem) {
    ProblemChooser c([] { return int64_t{1000}; });
    c.play_next(problem);
    return c;
}

// A view painted once at the benchmark's size, on problem 0 (50 light blue boxes fit).
std::unique_ptr<CZarvokView> painted_view() {
    auto view = std::make_unique<CZarvokView>(fixed(0));
    view->resize(g_width, g_height);
    view->OnDraw();
    return view;
}

void send_key(QWidget* w, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
}

// Back to an empty line with the overlay as asked, outside the timed part.
void reset_line(CZarvokView& view, bool overlay) {
    Board& b = view.board();
    place_line(b.game, b.layout.grid_unit, b.layout.grid_rect);
    b.game.move_count = 0;
    b.game.current_colour = 0;
    b.game.overlay_shown = overlay ? 1 : 0;
}

// Between a student's keys the program sleeps and other programs (the X server first) run, so
// a key finds little of its code and data in the caches. Walking a buffer larger than the
// last-level cache before each key, outside the timed part, gives the key that start. The
// buffer goes with the benchmark, so that no later benchmark's memory counts it.
class CacheEmptier {
  public:
    void operator()(benchmark::State& state) {
        state.PauseTiming();
        for (size_t i = 0; i < junk_.size(); i += 64) ++junk_[i];
        benchmark::DoNotOptimize(junk_.data());
        state.ResumeTiming();
    }

  private:
    std::vector<unsigned char> junk_ = std::vector<unsigned char>(size_t{64} << 20);
};

void key_up(benchmark::State& state, bool overlay, bool cold = false) {
    auto view = painted_view();
    reset_line(*view, overlay);
    int added = 0;
    std::optional<CacheEmptier> empty_caches;
    if (cold) empty_caches.emplace();
    for (auto _ : state) {
        if (empty_caches) (*empty_caches)(state);
        send_key(view.get(), Qt::Key_Up);
        if (++added == 40 || overlay) {
            state.PauseTiming();
            reset_line(*view, overlay);
            added = 0;
            state.ResumeTiming();
        }
    }
}
void BM_key_up_partial(benchmark::State& s) {
    key_up(s, false);
}
void BM_key_up_cold(benchmark::State& s) {
    key_up(s, false, true);
}
void BM_key_up_overlay(benchmark::State& s) {
    key_up(s, true);
}

void BM_key_down(benchmark::State& state) {
    auto view = painted_view();
    reset_line(*view, false);
    for (int i = 0; i < 30; ++i) send_key(view.get(), Qt::Key_Up);
    int taken = 0;
    for (auto _ : state) {
        send_key(view.get(), Qt::Key_Down);
        if (++taken == 25) {
            state.PauseTiming();
            for (int i = 0; i < 25; ++i) send_key(view.get(), Qt::Key_Up);
            taken = 0;
            state.ResumeTiming();
        }
    }
}

void BM_key_tab(benchmark::State& state) {
    auto view = painted_view();
    for (auto _ : state) send_key(view.get(), Qt::Key_Tab);
}

void BM_key_space(benchmark::State& state) {
    auto view = painted_view();
    for (int i = 0; i < 20; ++i) send_key(view.get(), Qt::Key_Up);
    for (auto _ : state) send_key(view.get(), Qt::Key_Space);
}

// The least a toolkit key path can cost: the event to a widget that draws a line and a dot.
class BareWidget : public QWidget {
  public:
    QImage canvas{g_width, g_height, QImage::Format_RGB32};
    int x = 0;
    void keyPressEvent(QKeyEvent*) override {
        QPainter p(&canvas);
        p.setPen(Qt::blue);
        p.setBrush(Qt::blue);
        p.drawLine(x, 500, x + 10, 490);
        p.drawEllipse(x + 8, 488, 4, 4);
        x = (x + 10) % 600;
        update();
    }
};
void BM_key_baseline(benchmark::State& state) {
    BareWidget w;
    w.resize(g_width, g_height);
    for (auto _ : state) send_key(&w, Qt::Key_Up);
}
void BM_key_baseline_cold(benchmark::State& state) {
    BareWidget w;
    w.resize(g_width, g_height);
    CacheEmptier empty_caches;
    for (auto _ : state) {
        empty_caches(state);
        send_key(&w, Qt::Key_Up);
    }
}

// A board with a line of 20 boxes, overlay off.
struct DrawnBoard {
    std::unique_ptr<CZarvokView> view = painted_view();
    DrawnBoard() {
        send_key(view.get(), Qt::Key_Space);
        for (int i = 0; i < 20; ++i) send_key(view.get(), Qt::Key_Up);
    }
};

void draw_mode(benchmark::State& state, int mode) {
    DrawnBoard d;
    QImage image(g_width, g_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtSurface dc(painter, Rect{0, 0, g_width, g_height});
    for (auto _ : state) draw_board(dc, d.view->board(), mode);
}
void BM_board_full(benchmark::State& s) {
    draw_mode(s, full_mode);
}
void BM_board_partial(benchmark::State& s) {
    draw_mode(s, partial_mode);
}

QColor colour(COLORREF c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}
QRect qrect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// The primitives of one full draw, recorded once and then sent straight to a QPainter.
void BM_board_baseline(benchmark::State& state) {
    DrawnBoard d;
    RecordingSurface rec(Rect{0, 0, g_width, g_height});
    draw_board(rec, d.view->board(), full_mode);
    QImage image(g_width, g_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QtSurface::arial_family());
    for (auto _ : state) {
        QPoint at;
        for (const auto& op : rec.ops()) {
            switch (op.kind) {
                case RecordingSurface::Kind::rectangle:
                case RecordingSurface::Kind::ellipse: {
                    painter.setPen(colour(op.pen.colour));
                    painter.setBrush(colour(op.brush.colour));
                    const QRect r(op.rect.left, op.rect.top, op.rect.width() - 1,
                                  op.rect.height() - 1);
                    if (op.kind == RecordingSurface::Kind::rectangle) {
                        painter.drawRect(r);
                    } else {
                        painter.drawEllipse(r);
                    }
                    break;
                }
                case RecordingSurface::Kind::move_to:
                    at = QPoint(op.rect.left, op.rect.top);
                    break;
                case RecordingSurface::Kind::line_to:
                    painter.setPen(colour(op.pen.colour));
                    painter.drawLine(at, QPoint(op.rect.left, op.rect.top));
                    at = QPoint(op.rect.left, op.rect.top);
                    break;
                case RecordingSurface::Kind::fill_rect:
                    painter.fillRect(qrect(op.rect), colour(op.brush.colour));
                    break;
                case RecordingSurface::Kind::text:
                case RecordingSurface::Kind::text_out:
                    font.setPixelSize(std::max(1, op.font.height * 2048 / 2288));
                    font.setBold(op.font.bold());
                    painter.setFont(font);
                    painter.setPen(colour(op.text_colour));
                    painter.drawText(qrect(op.rect),
                                     (op.format & DT_SINGLELINE ? int(Qt::AlignVCenter)
                                                                : int(Qt::TextWordWrap)) |
                                         (op.format & DT_CENTER ? Qt::AlignHCenter : 0) |
                                         (op.format & DT_RIGHT ? Qt::AlignRight : 0),
                                     QString::fromLatin1(op.text.c_str()));
                    break;
            }
        }
    }
}

void BM_overlay_f1(benchmark::State& state) {
    auto view = painted_view();
    for (auto _ : state) send_key(view.get(), Qt::Key_F1);
}

void BM_overlay_refit(benchmark::State& state) {
    auto view = painted_view();
    Board& b = view->board();
    QImage image(g_width, g_height, QImage::Format_RGB32);
    QPainter painter(&image);
    QtSurface dc(painter, Rect{0, 0, g_width, g_height});
    for (auto _ : state) {
        b.fitted_text.clear();  // a new story: the remembered height no longer holds
        fit_overlay_font(dc, b);
    }
}

void BM_overlay_baseline(benchmark::State& state) {
    auto view = painted_view();
    const Board& b = view->board();
    QImage image(g_width, g_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QtSurface::arial_family());
    font.setPixelSize(std::max(1, b.overlay_font.height * 2048 / 2288));
    painter.setFont(font);
    const QString text = QString::fromLatin1(b.overlay_text.c_str());
    for (auto _ : state) painter.drawText(qrect(b.layout.text_panel), Qt::TextWordWrap, text);
}

// A paint of the whole board again, as after the window was covered: the game has had the
// time between keys since its first paint.
void BM_first_paint(benchmark::State& state) {
    auto view = painted_view();
    Board& b = view->board();
    while (view->work_between_keys()) {
    }
    for (auto _ : state) {
        new_game(b.game, b.texts, b.chooser);
        view->OnDraw();
    }
}

struct SolvedBoard {
    std::unique_ptr<CZarvokView> view = painted_view();
    SolvedBoard() {
        const int counts[3] = {10, 39, 1};  // problem 0
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < counts[c]; ++i) send_key(view.get(), Qt::Key_Up);
            send_key(view.get(), Qt::Key_Tab);
        }
    }
};

// Home at the end of a game, to each problem in turn: a new story, and the other paper put back.
void BM_home(benchmark::State& state) {
    SolvedBoard s;
    int next = 1;
    // The student reads the board between keys, and the game prepares meanwhile.
    const auto read_board = [&s] {
        while (s.view->work_between_keys()) {
        }
    };
    read_board();
    for (auto _ : state) {
        s.view->board().chooser.play_next(next);
        s.view->board().game.game_over = 1;
        next = (next + 1) % 28;
        send_key(s.view.get(), Qt::Key_Home);
        state.PauseTiming();
        read_board();
        state.ResumeTiming();
    }
}

void BM_page_pdf(benchmark::State& state) {
    SolvedBoard s;
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("page.pdf"));
        s.view->print_page(printer);
    }
}

void BM_page_baseline(benchmark::State& state) {
    SolvedBoard s;
    QTemporaryDir dir;
    Board& b = s.view->board();
    const QString banner = QString::fromLatin1(b.print_banner.c_str());
    const QString result = QString::fromLatin1(result_text(b.game, b.texts).c_str());
    const QString story = QString::fromLatin1((b.texts.story_text + b.texts.notice_text).c_str());
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("page.pdf"));
        QPainter p(&printer);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const PageGeometry g = page_geometry(page.width(), page.height());
        QFont font(QtSurface::arial_family());
        font.setPixelSize(g.F_b * 2048 / 2288);
        p.setFont(font);
        p.drawText(g.L, g.T + g.F_b, banner);
        font.setPixelSize(g.F * 2048 / 2288);
        p.setFont(font);
        p.drawText(QRect(g.L, g.T + 4 * g.F, g.c, 6 * g.F), Qt::TextWordWrap, result);
        p.drawText(QRect(g.L, g.T + 12 * g.F, g.c, g.B - g.T - 12 * g.F), Qt::TextWordWrap, story);
    }
}

long resident_kib() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

// Resident memory after 200 games solved and restarted with Home, against after 10.
void BM_games_memory(benchmark::State& state) {
    auto view = painted_view();
    const auto play = [&view] {
        Board& b = view->board();
        const int counts[3] = {10, 39, 1};
        b.chooser.play_next(0);
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < counts[c]; ++i) send_key(view.get(), Qt::Key_Up);
            send_key(view.get(), Qt::Key_Tab);
        }
        send_key(view.get(), Qt::Key_Home);
    };
    long after10 = 0, after200 = 0;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) play();
        after10 = resident_kib();
        for (int i = 10; i < 200; ++i) play();
        after200 = resident_kib();
    }
    state.counters["rss_after_10_kib"] = static_cast<double>(after10);
    state.counters["rss_after_200_kib"] = static_cast<double>(after200);
}

BENCHMARK(BM_key_baseline);
BENCHMARK(BM_key_up_partial);
BENCHMARK(BM_key_baseline_cold)->Iterations(300);
BENCHMARK(BM_key_up_cold)->Iterations(300);
BENCHMARK(BM_key_up_overlay);
BENCHMARK(BM_key_down);
BENCHMARK(BM_key_tab);
BENCHMARK(BM_key_space);
BENCHMARK(BM_board_baseline);
BENCHMARK(BM_board_full);
BENCHMARK(BM_board_partial);
BENCHMARK(BM_overlay_baseline);
BENCHMARK(BM_overlay_f1);
BENCHMARK(BM_overlay_refit);
BENCHMARK(BM_first_paint);
BENCHMARK(BM_home);
BENCHMARK(BM_page_baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_page_pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_games_memory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarvo

int main(int argc, char** argv) {
    if (const char* size = std::getenv("ZARVO_BENCH_SIZE"))
        std::sscanf(size, "%dx%d", &zarvo::g_width, &zarvo::g_height);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
