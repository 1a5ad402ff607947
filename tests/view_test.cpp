// The game window on the offscreen platform: painting, keys, menu, accelerators and printing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

#include "app/about_dlg.h"
#include "app/keys.h"
#include "app/language.h"
#include "app/main_frame.h"
#include "app/zarvok_doc.h"
#include "app/zarvok_view.h"
#include "board/palette.h"
#include "game_fixture.h"

namespace zarvo {
namespace {

QRgb rgb(COLORREF c) {
    return qRgb(red_of(c), green_of(c), blue_of(c));
}

// A view on its own, painted once at a fixed client size.
struct ViewAt {
    CZarvokView view;
    ViewAt(int problem, int w, int h) : view(chooser(problem)) {
        view.resize(w, h);
        view.OnDraw();
    }
    static ProblemChooser chooser(int problem) {
        ProblemChooser c = testing::fixed_clock_chooser();
        c.play_next(problem);
        return c;
    }
    QRgb at(int x, int y) const { return view.canvas().pixel(x, y); }
    void keys(std::initializer_list<int32_t> vks) {
        for (int32_t vk : vks) view.OnKeyDown(vk);
    }
    void solve21() {  // 17 blue, 1 green, 2 red
        for (int i = 0; i < 17; ++i) view.OnKeyDown(VK_UP);
        keys({VK_TAB, VK_UP, VK_TAB, VK_UP, VK_UP});
    }
};

TEST(BoardOnScreen, GridColoursAndOverlayPlacement) {
    ViewAt v(4, 800, 600);
    const Layout& l = v.view.board().layout;
    const Rect& g = l.grid_rect;
    // Above the overlay: a fine line, a major line, the white client.
    EXPECT_EQ(v.at(g.left + 7, g.top + 5), rgb(palette::grid_pen.colour));
    EXPECT_EQ(v.at(g.left + 7, g.top), rgb(palette::grid_major_pen.colour));
    EXPECT_EQ(v.at(g.left + 7, g.top + 3), qRgb(255, 255, 255));
    EXPECT_EQ(v.at(5, 5), qRgb(255, 255, 255));
    // The overlay's text is black and stays inside the panel.
    int black_inside = 0, black_outside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (v.at(x, y) != qRgb(0, 0, 0)) continue;
            const bool inside =
                x >= l.text_panel.left && x < l.text_panel.right && y >= l.text_panel.top;
            (inside ? black_inside : black_outside) += 1;
            if (!inside && y > l.text_panel.top) ADD_FAILURE() << "black at " << x << "," << y;
        }
    EXPECT_GT(black_inside, 1000);

    v.keys({VK_SPACE});
    int black_after = 0;
    for (int y = l.text_panel.top; y < 600; ++y)
        for (int x = l.text_panel.left; x < l.text_panel.right; ++x)
            black_after += v.at(x, y) == qRgb(0, 0, 0);
    EXPECT_LT(black_after, black_inside / 10);
}

TEST(BoardOnScreen, ColourDiscSegmentsAndDots) {
    ViewAt v(4, 1024, 768);
    const Layout& l = v.view.board().layout;
    const QPoint centre((l.colour_circle.left + l.colour_circle.right) / 2,
                        (l.colour_circle.top + l.colour_circle.bottom) / 2);
    EXPECT_EQ(v.at(centre.x(), centre.y()), qRgb(0, 0, 255));
    v.keys({VK_TAB});
    EXPECT_EQ(v.at(centre.x(), centre.y()), qRgb(0, 255, 0));
    v.keys({VK_TAB});
    EXPECT_EQ(v.at(centre.x(), centre.y()), qRgb(255, 0, 0));
    v.keys({VK_TAB, VK_UP, VK_UP});
    const GameState& s = v.view.board().game;
    EXPECT_EQ(v.at(s.seg_end_x[0], s.seg_end_y[0]), qRgb(0, 0, 255));
    EXPECT_EQ(v.at(s.seg_start_x[0], s.seg_start_y[0]), qRgb(0, 0, 255));
    const int mid_x = (s.seg_start_x[0] + s.seg_end_x[0]) / 2;
    EXPECT_EQ(v.at(mid_x + 1,
                   s.seg_start_y[0] - (mid_x + 1 - s.seg_start_x[0]) * s.seg_rise[0] / s.box_run),
              qRgb(0, 0, 255));
}

TEST(BoardOnScreen, TooSmallScreenIsRedAndIgnoresKeys) {
    ViewAt v(4, 700, 500);
    EXPECT_EQ(v.at(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(v.at(699, 499), qRgb(255, 0, 0));
    bool blue_text = false;
    for (int y = 0; y < 500 && !blue_text; ++y)
        for (int x = 0; x < 700 && !blue_text; ++x) blue_text = v.at(x, y) == qRgb(0, 0, 255);
    EXPECT_TRUE(blue_text);
    const QImage before = v.view.canvas();
    v.keys({VK_UP, VK_TAB, VK_F1, VK_HOME});
    EXPECT_EQ(v.view.canvas(), before);
    EXPECT_EQ(v.view.board().game.move_count, 0);
}

TEST(BoardOnScreen, HomeAfterAWinRepaintsANewProblem) {
    // On a wide screen, where the graph's area reaches far right of the grid's numbers.
    ViewAt v(21, 1920, 1056);
    v.solve21();
    const Layout& l = v.view.board().layout;
    ASSERT_EQ(v.view.board().game.game_over, 1);
    // The score box holds magenta digits.
    bool magenta = false;
    for (int y = l.score_box.top; y < l.score_box.bottom; ++y)
        for (int x = l.score_box.left; x < l.score_box.right; ++x)
            magenta = magenta || v.at(x, y) == qRgb(255, 0, 255);
    EXPECT_TRUE(magenta);
    // The next problem has as many boxes, so its graph's paper is the one already kept; putting
    // it back shows nothing beside the grid, where the screen stays white.
    v.view.board().chooser.play_next(22);
    v.keys({VK_HOME});
    // (The screen is shown in tiles of 8 pixels, and the story's first tiles start above it.)
    const QRect beside(l.grid_rect.right + 3 * l.grid_unit, 0, 1920, l.text_panel.top - 8);
    EXPECT_TRUE((v.view.last_key_damage() & beside).isEmpty()) << "shown beside the grid";
    const GameState& s = v.view.board().game;
    EXPECT_EQ(s.game_over, 0);
    EXPECT_EQ(s.board_state, 2);
    EXPECT_EQ(s.overlay_shown, 1);
    EXPECT_EQ(s.layout_ready, 1);
    EXPECT_EQ(s.seg_start_x[0], l.grid_rect.left);
}

TEST(BoardOnScreen, AnyKeySequenceLeavesWhatAFreshPaintShows) {
    // Random keys, mostly Up, on four screen sizes and in languages whose labels fill their
    // cells (at 3840x2160 the story's panel and the title's box are cleared together, over the
    // graph's paper); every 15 keys the screen is compared with a fresh paint of the same state,
    // and after every key what changed with what it showed. Only the dots where segments start may
    // differ: a full draw puts the new colour's dot there, partial draws leave the old one.
    // Between keys the student may pause, while the view prepares other problems' paper, or win
    // and press Home for any problem, whose paper may be one prepared.
    std::mt19937 random(2026);
    constexpr int32_t kPause = -1, kNextProblem = -2;
    const int32_t keys[] = {VK_UP,    VK_UP, VK_UP,   VK_UP,  VK_DOWN,      VK_TAB,
                            VK_SPACE, VK_F1, VK_HOME, kPause, kNextProblem, kNextProblem};
    const struct {
        int w, h;
        const char* lang;
    } screens[] = {{800, 600, "en"},   {1024, 768, "en"},    {1920, 1080, "en"},
                   {3840, 2160, "en"}, {1024, 768, "pt_BR"}, {1280, 720, "pseudo"}};
    for (auto [w, h, lang] : screens) {
        ASSERT_TRUE(load_language(lang)) << lang;
        for (int problem : {0, 21}) {
            SCOPED_TRACE(::testing::Message()
                         << w << "x" << h << " " << lang << " problem " << problem);
            ViewAt v(problem, w, h);
            for (int step = 1; step <= 90; ++step) {
                // Every pixel a key changes lies in what it reports for the screen.
                const QImage before = v.view.canvas();
                const int32_t key = keys[random() % std::size(keys)];
                if (key == kPause) {
                    while (v.view.work_between_keys()) {
                    }
                    continue;
                }
                if (key == kNextProblem) {
                    v.view.board().chooser.play_next(static_cast<int>(random() % kProblemCount));
                    v.view.board().game.game_over = 1;
                }
                v.keys({key == kNextProblem ? VK_HOME : key});
                const QRegion shown = v.view.last_key_damage();
                const QImage& after = v.view.canvas();
                for (int y = 0; y < h; ++y) {
                    const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
                    const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
                    if (std::equal(was, was + w, now)) continue;
                    for (int x = 0; x < w; ++x)
                        if (was[x] != now[x] && !shown.contains(QPoint(x, y)))
                            FAIL() << "key " << step << " changed " << x << "," << y << " unseen";
                }
                if (step % 15 != 0) continue;
                CZarvokView fresh(ViewAt::chooser(problem));
                fresh.resize(w, h);
                fresh.board() = v.view.board();
                fresh.OnDraw();
                const GameState& s = v.view.board().game;
                const QImage& seen = v.view.canvas();
                const QImage& want = fresh.canvas();
                int differ = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        if (seen.pixel(x, y) == want.pixel(x, y)) continue;
                        bool at_a_start = false;
                        for (int c = 0; c < 3; ++c)
                            at_a_start = at_a_start || (std::abs(x - s.seg_start_x[c]) <= 2 &&
                                                        std::abs(y - s.seg_start_y[c]) <= 2);
                        differ += !at_a_start;
                    }
                ASSERT_EQ(differ, 0) << "after " << step << " keys";
            }
        }
    }
    load_language("en");
}

// The whole frame, maximized on the offscreen screen.
struct Frame {
    CZarvokDoc doc;
    CZarvokView* view = new CZarvokView(ViewAt::chooser(21));
    CMainFrame frame{doc, view};
    Frame() {
        frame.show_maximized();
        EXPECT_TRUE(QTest::qWaitFor([this] { return view->painted_once(); }, 5000));
    }
    // One key with its modifiers held, without separate presses of the modifier keys.
    void key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Press, view, key, QString(), mods);
        QTest::sendKeyEvent(QTest::Release, view, key, QString(), mods);
    }
    void solve() {
        for (int i = 0; i < 17; ++i) key(Qt::Key_Up);
        key(Qt::Key_Tab);
        key(Qt::Key_Up);
        key(Qt::Key_Tab);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
    }
};

TEST(Frame, MenuEntriesInOrder) {
    Frame f;
    const auto texts = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(texts(f.frame.file_menu()), (QStringList{"-", "&Print...", "-", "E&xit"}));
    EXPECT_EQ(texts(f.frame.help_menu()), QStringList{"&About Zarvok..."});
    EXPECT_EQ(f.frame.print_action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    // The window's icon, just after the first picture, in both drawn sizes, so that a title
    // bar or a task list need not shrink the larger one.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.frame.windowIcon().isNull(); }, 5000));
    EXPECT_EQ(f.frame.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
    EXPECT_EQ(f.frame.windowTitle().left(5), "Zarvo");
    EXPECT_TRUE(f.frame.windowTitle().endsWith(" -- Version Z611"));
}

TEST(Frame, PrintFollowsTheGameAndAcceleratorsNeverReachTheGame) {
    Frame f;
    QSignalSpy seen(f.view, &CZarvokView::gameChanged);
    const Qt::Key accelerator_keys[] = {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_P};
    for (Qt::Key k : accelerator_keys) f.key(k, Qt::ControlModifier);
    f.key(Qt::Key_Backspace, Qt::AltModifier);
    f.key(Qt::Key_Delete, Qt::ShiftModifier);
    f.key(Qt::Key_Insert, Qt::ControlModifier);
    f.key(Qt::Key_Insert, Qt::ShiftModifier);
    f.key(Qt::Key_F6);
    f.key(Qt::Key_F6, Qt::ShiftModifier);
    // Only the nine presses of Ctrl and Shift themselves reach the game, as any key would;
    // Alt and whatever is held with it belong to the system.
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space, Qt::Key_F1})
        f.key(k, Qt::AltModifier);
    EXPECT_EQ(seen.count(), 9);
    EXPECT_EQ(f.view->board().game.move_count, 0);
    EXPECT_EQ(f.view->board().game.current_colour, 0);
    EXPECT_EQ(f.view->board().game.overlay_shown, 1);
    // The board takes its own keys before the toolkit looks for a shortcut, so none of them
    // may be a shortcut of the frame or its menus.
    QList<QKeySequence> shortcuts;
    for (const QShortcut* s : f.frame.findChildren<QShortcut*>()) shortcuts << s->key();
    for (const QAction* a : f.frame.findChildren<QAction*>()) shortcuts << a->shortcuts();
    EXPECT_GE(shortcuts.size(), 16);
    for (const QKeySequence& k : shortcuts) {
        const QKeyEvent press(QEvent::KeyPress, k[0].key(), k[0].keyboardModifiers());
        EXPECT_FALSE(is_board_key(press)) << k.toString().toStdString();
    }

    // Alt pressed and let go alone, as the window system delivers it, leaves the keyboard to
    // the game rather than to the menu bar.
    QWindow* window = f.frame.windowHandle();
    QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(window, Qt::Key_Alt);
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(seen.count(), 10);
    EXPECT_EQ(f.view->board().game.current_colour, 1);
    EXPECT_TRUE(f.view->hasFocus() || !f.frame.isActiveWindow());
    f.key(Qt::Key_Tab);
    f.key(Qt::Key_Tab);

    EXPECT_FALSE(f.frame.print_action()->isEnabled());
    f.solve();
    EXPECT_EQ(f.view->board().game.game_over, 1);
    EXPECT_TRUE(f.frame.print_action()->isEnabled());
    // Print now opens the print dialog (cancelled here), and the game is left as it was.
    bool dialog_seen = false;
    QTimer::singleShot(100, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
                dialog_seen = true, d->reject();
    });
    f.frame.print_action()->trigger();
    EXPECT_TRUE(dialog_seen);
    EXPECT_EQ(f.view->board().game.game_over, 1);
    f.frame.setWindowTitle(QStringLiteral("before Home"));
    f.key(Qt::Key_Home);
    EXPECT_FALSE(f.frame.print_action()->isEnabled());
    EXPECT_TRUE(f.frame.windowTitle().endsWith(" -- Version Z611"));  // Home paints the banner
}

TEST(Frame, AFrameAtAnotherSizeDrawsNothingAndLosesNoKey) {
    // As a window manager might leave it: restored to a smaller size. Nothing is laid out or
    // drawn at that size, keys still change the game (on the board's own canvas), and back at
    // the board's size the screen shows them.
    Frame f;
    const QSize board = f.view->canvas().size();
    f.frame.setWindowState(Qt::WindowNoState);
    f.frame.resize(700, 500);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(f.view->width() < board.width(), true);  // before the frame maximizes itself again
    f.view->repaint();
    f.key(Qt::Key_Up);
    EXPECT_EQ(f.view->canvas().size(), board);
    EXPECT_EQ(f.view->board().layout.last_client_rect.right, board.width());
    EXPECT_EQ(f.view->board().game.move_count, 1);

    // Maximized again, the window's own pixels show the board with that key, and with the keys
    // after it, which draw straight on them, as a fresh paint of the same game does.
    const auto shows_the_game = [&] {
        f.view->repaint();  // what the keys drew, as the window system is sent it
        const auto* window = static_cast<const QImage*>(f.frame.backingStore()->paintDevice());
        const QImage shown = window->copy(QRect(f.view->mapTo(&f.frame, QPoint(0, 0)), board));
        CZarvokView fresh(ViewAt::chooser(21));
        fresh.resize(board);
        fresh.board() = f.view->board();
        fresh.OnDraw();
        return shown == fresh.canvas();
    };
    f.frame.show_maximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.view->size() == board; }, 5000));
    EXPECT_TRUE(shows_the_game());
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_F1, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down}) f.key(k);
    EXPECT_TRUE(shows_the_game());
}

TEST(Frame, FileNewAndFileOpenKeepTheGame) {
    Frame f;
    f.key(Qt::Key_Up);
    f.key(Qt::Key_Up);
    f.key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(f.frame.windowTitle(), "Untitled - Zarvok");
    EXPECT_EQ(f.view->board().game.move_count, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.frame.windowTitle().endsWith("Z611"); }, 5000));
    EXPECT_EQ(f.view->board().game.move_count, 2);
    EXPECT_EQ(f.view->board().game.seg_boxes[0], 2);

    // Saving onto a file that is there already: the game's own refusal answers, not a question
    // whether to replace it, which the game would then refuse anyway.
    QTemporaryDir dir;
    QFile there(dir.filePath("there.txt"));
    ASSERT_TRUE(there.open(QIODevice::WriteOnly));
    there.write("keep me");
    there.close();
    QStringList messages;
    bool chosen = false, save_offered = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->reject();
        } else if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            if (chosen) {
                files->reject();
                return;
            }
            chosen = true;
            const auto buttons = files->findChildren<QPushButton*>();
            save_offered = std::any_of(buttons.begin(), buttons.end(),
                                       [](QPushButton* b) { return b->text() == "&Save"; });
            files->setDirectory(dir.path());
            // Into the name field itself: selectFile leaves alone a field that has the keyboard.
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QStringLiteral("there.txt"));
            // Accepted from an event of its own, so that this timer still answers any question
            // the dialog asks while accepting.
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        }
    });
    answer.start(50);
    f.key(Qt::Key_S, Qt::ControlModifier);
    answer.stop();
    EXPECT_TRUE(save_offered);
    ASSERT_EQ(messages.size(), 1) << messages.join(" | ").toStdString();
    EXPECT_TRUE(messages[0].contains("already exists. Zarvok documents hold nothing"))
        << messages[0].toStdString();
    ASSERT_TRUE(there.open(QIODevice::ReadOnly));
    EXPECT_EQ(there.readAll(), "keep me");
    there.close();

    // An opened file names the window, and the game goes on where it was.
    QFile lesson(dir.filePath("lesson.txt"));
    ASSERT_TRUE(lesson.open(QIODevice::WriteOnly));
    lesson.close();
    ASSERT_TRUE(f.frame.open_document(lesson.fileName()));
    EXPECT_EQ(f.frame.windowTitle(), "lesson.txt - Zarvok");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.frame.windowTitle().endsWith("Z611"); }, 5000));
    EXPECT_EQ(f.view->board().game.seg_boxes[0], 2);
    f.frame.activateWindow();  // the keyboard back from the dialogs
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.frame));
    f.key(Qt::Key_N, Qt::ControlModifier);  // and File New lets go of it again
    EXPECT_EQ(f.doc.title(), "Untitled");
    EXPECT_FALSE(f.doc.has_file());
}

TEST(AboutBox, EveryTextAndTheIconWholeAtThreeFontSizesAndOkCloses) {
    const QFont desktop = QApplication::font();
    for (int points : {0, 16, 6}) {  // Qt's default font, a large and a tiny desktop font
        SCOPED_TRACE(points);
        if (points > 0) {
            QFont large = desktop;
            large.setPointSize(points);
            QApplication::setFont(large);
        }
        CAboutDlg about;
        const QRect inside = about.rect();
        for (QLabel* label : about.findChildren<QLabel*>()) {
            SCOPED_TRACE(label->objectName().toStdString());
            const QSize needed = label->pixmap().isNull()
                                     ? label->fontMetrics().size(Qt::TextSingleLine, label->text())
                                     : label->pixmap().deviceIndependentSize().toSize();
            EXPECT_GE(label->width(), needed.width());
            EXPECT_GE(label->height(), needed.height());
            EXPECT_TRUE(inside.contains(label->geometry()));
        }
        EXPECT_EQ(about.findChild<QLabel*>("notice")->text(), QString::fromLatin1(kLegalNotice));
        EXPECT_EQ(about.windowTitle(), "About Zarvok");
        // The icon at its own size, never scaled (a scaled icon blurs).
        EXPECT_EQ(about.findChild<QLabel*>("icon")->pixmap().deviceIndependentSize().toSize(),
                  QSize(32, 32));
        // Dialog units: a quarter of the letters' average width, an eighth of the font's height.
        const QFontMetrics fm(about.font());
        const int bx = (fm.horizontalAdvance(QStringLiteral(
                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) /
                            26 +
                        1) /
                       2;
        const int by = fm.height();
        const auto du = [&](int x, int y, int w, int h) {
            return QRect(x * bx / 4, y * by / 8, w * bx / 4, h * by / 8);
        };
        // The icon stays centred on its cell, also where a tiny font makes the cell too small,
        // and the picture in the middle of its label.
        QLabel* icon = about.findChild<QLabel*>("icon");
        EXPECT_LE((icon->geometry().center() - du(11, 17, 20, 20).center()).manhattanLength(), 2);
        const QImage drawn = icon->grab().toImage();
        QRect ink;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != drawn.pixel(0, 0)) ink |= QRect(x, y, 1, 1);
        EXPECT_LE((ink.center() - drawn.rect().center()).manhattanLength(), 3);
        if (points == 0) {
            // At Qt's default font everything fits where the template puts it.
            EXPECT_EQ(about.findChild<QLabel*>("version")->geometry(), du(40, 10, 119, 8));
            EXPECT_EQ(about.findChild<QLabel*>("notice")->geometry(), du(40, 25, 119, 8));
            EXPECT_EQ(about.findChild<QLabel*>("icon")->geometry(), du(11, 17, 20, 20));
            EXPECT_EQ(about.findChild<QPushButton*>("ok")->geometry(), du(178, 7, 50, 14));
            EXPECT_EQ(about.size(), du(0, 0, 235, 55).size());
        }
        auto* ok = about.findChild<QPushButton*>("ok");
        EXPECT_TRUE(inside.contains(ok->geometry()));
        for (QLabel* label : about.findChildren<QLabel*>())
            EXPECT_FALSE(label->geometry().intersects(ok->geometry()));
        about.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_EQ(about.result(), QDialog::Accepted);
        EXPECT_FALSE(about.isVisible());
    }
    QApplication::setFont(desktop);
}

QString pdf_text(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdf_pages(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(20000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(Printing, ResultsPageThroughThePrintPath) {
    ViewAt v(21, 800, 600);
    EXPECT_FALSE(v.view.OnPreparePrinting());
    v.solve21();
    ASSERT_TRUE(v.view.OnPreparePrinting());
    const GameState before = v.view.board().game;

    QTemporaryDir dir;
    const QString path = dir.filePath("results.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(v.view.print_page(printer));
    EXPECT_EQ(pdf_pages(path), 1);
    const QString text = pdf_text(path);
    const QStringList expected = {"Zarvo, a puzzle from the Zarvo team -- ",
                                  " -- Version Z611",
                                  "Your score was: 100 -- Your solution was:",
                                  "17 boxes weighing 30 pounds each.",
                                  "1 box weighing 110 pounds.",
                                  "2 boxes weighing 190 pounds each.",
                                  "A truck carrying 20 boxes",
                                  "This is the demo version of Zarvo.",
                                  "web page."};
    qsizetype at = 0;
    for (const QString& piece : expected) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, 0) << piece.toStdString() << "\n" << text.toStdString();
        if (found >= 0) at = found;
    }
    EXPECT_TRUE(
        text.contains(QRegularExpression(R"(-- \d{1,2}/\d{1,2}/\d\d \d{1,2}:\d\d:\d\d --)")));
    // Printing changes nothing in the game.
    EXPECT_EQ(std::memcmp(&before, &v.view.board().game, sizeof before), 0);

    // Printing again gives the same page, but for the time in the banner.
    const QString again = dir.filePath("again.pdf");
    QPrinter second(QPrinter::HighResolution);
    second.setOutputFormat(QPrinter::PdfFormat);
    second.setOutputFileName(again);
    ASSERT_TRUE(v.view.print_page(second));
    const auto without_banner = [](QString t) { return t.mid(t.indexOf('\n')); };
    EXPECT_EQ(without_banner(pdf_text(again)), without_banner(text));

    // A page range that leaves out page 1 prints nothing; one that takes it in prints it.
    QPrinter ranged;
    EXPECT_TRUE(CZarvokView::prints_page_one(ranged));
    ranged.setPrintRange(QPrinter::PageRange);
    ranged.setFromTo(2, 3);
    EXPECT_FALSE(CZarvokView::prints_page_one(ranged));
    ranged.setFromTo(1, 2);
    EXPECT_TRUE(CZarvokView::prints_page_one(ranged));

    QPrinter nowhere(QPrinter::HighResolution);
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName("/proc/zarvo-no-such-dir/results.pdf");
    EXPECT_FALSE(v.view.print_page(nowhere));
}

}  // namespace
}  // namespace zarvo
