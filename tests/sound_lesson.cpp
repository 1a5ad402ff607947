// A lesson's worth of sound from the real game window: 20 problems solved with keys 50 ms
// apart (380 accepted moves and 20 wins), 100 refused moves a little apart, then 30 refused
// moves 50 ms apart, each cutting off the one before. Quiet seconds separate the parts, so
// that the recording can be read back part by part (tests/sound_test.py does that). With
// --short: 2 problems and 10 refused moves, for quick checks.
#include <QApplication>
#include <QTest>
#include <QThread>
#include <cstdio>

#include "app/main_frame.h"
#include "app/zarvok_doc.h"
#include "app/zarvok_view.h"
#include "first_solution.h"

using namespace zarvo;

namespace {

CZarvokView* view = nullptr;

void press(Qt::Key key, int then_wait_ms) {
    QTest::keyClick(view, key);
    QTest::qWait(then_wait_ms);
}

// The first solution of the problem, one Up every 50 ms. The third keeps the program from its
// event loop until the next is due, as a long paint on a slow machine would: its click must
// sound all the same.
void solve() {
    const auto counts = testing::first_solution(view->board().game.problem());
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < counts[c]; ++i) {
            if (c > 0 || i != 2) {
                press(Qt::Key_Up, 50);
                continue;
            }
            QTest::keyClick(view, Qt::Key_Up);
            QThread::msleep(48);
            QTest::qWait(2);
        }
        if (c < 2) press(Qt::Key_Tab, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool short_lesson = argc > 1 && qstrcmp(argv[1], "--short") == 0;
    const int games = short_lesson ? 2 : 20;
    const int refusals = short_lesson ? 10 : 100;
    CZarvokDoc doc;
    view = new CZarvokView(ProblemChooser([] { return int64_t{12345}; }));
    view->board().chooser.play_next(4);
    CMainFrame frame(doc, view);
    frame.show_maximized();
    while (!view->painted_once()) QApplication::processEvents(QEventLoop::AllEvents, 50);
    view->setFocus();
    QTest::qWait(1500);

    int wins = 0;
    for (int game = 0; game < games; ++game) {
        if (game > 0) {
            view->board().chooser.play_next(4 + game);  // problems of 20 boxes
            press(Qt::Key_Home, 300);
        }
        press(Qt::Key_Space, 100);
        solve();
        wins += view->board().game.game_over == 1;
        QTest::qWait(1300);  // the chime rings out
    }
    QTest::qWait(1000);

    view->board().chooser.play_next(4);
    press(Qt::Key_Home, 300);
    press(Qt::Key_Space, 300);
    for (int i = 0; i < refusals; ++i) press(Qt::Key_Down, 300);  // nothing to take back: refused
    QTest::qWait(1200);

    for (int i = 0; i < 30; ++i) press(Qt::Key_Down, 50);
    QTest::qWait(1500);

    std::printf("wins %d moves %d\n", wins, view->board().game.move_count);
    return wins == games ? 0 : 1;
}
