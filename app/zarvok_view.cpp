#include "app/zarvok_view.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <ctime>

#include "app/keys.h"
#include "app/qt_surface.h"
#include "app/raster_rows.h"
#include "app/x11_window.h"
#include "puzzle/speech.h"

namespace zarvo {

namespace {

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

CZarvokView::CZarvokView(ProblemChooser chooser, QWidget* parent)
    : QWidget(parent), board_(std::move(chooser)), sound_(this) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    new_game(board_.game, board_.texts, board_.chooser);
    between_keys_.setSingleShot(true);
    connect(&between_keys_, &QTimer::timeout, this, [this] {
        // One piece at a time: a key that comes meanwhile waits for one at most.
        if (work_between_keys()) between_keys_.start(0);
    });
}

void CZarvokView::work_later() {
    constexpr int kQuietMs = 200;  // longer than between the keys of a student who types on
    if (QtSurface::letters_wanted() || papers_looked_at_ < kProblemCount ||
        stories_looked_at_ < kProblemCount)
        between_keys_.start(kQuietMs);
}

bool CZarvokView::work_between_keys() {
    if (QtSurface::prepare_wanted_letters()) return true;
    // Home draws another problem's paper, which differs where its number of boxes does: drawn
    // aside now, it is put back then.
    const GameState& s = board_.game;
    if (canvas_.isNull() || s.layout_ready != 1 || s.board_state != 2 || s.screen_too_small == 1 ||
        !whole_pixels())
        return false;
    if (papers_looked_at_ >= kProblemCount) return prepare_story();
    Board other;
    other.layout = board_.layout;
    other.game = board_.game;
    other.game.problem_index = papers_looked_at_++;
    other.game.overlay_shown = 0;
    CellFilter::prepare(cells_, copies_, Rect{0, 0, width(), height()},
                        [&other](Surface& dc) { draw_board(dc, other, full_mode); });
    return true;
}

// Home shows another problem's story, in a size fitted to it: its letters' shapes are rendered
// in that size now, and only blended into the canvas then.
bool CZarvokView::prepare_story() {
    if (stories_looked_at_ >= kProblemCount) return false;
    Board other;
    other.layout = board_.layout;
    ProblemChooser chooser;
    chooser.play_next(stories_looked_at_++);
    new_game(other.game, other.texts, chooser);
    other.overlay_text = overlay_text(other.texts);
    QPainter painter(&canvas_);
    QtSurface dc(painter, Rect{0, 0, width(), height()});
    fit_overlay_font(dc, other);
    dc.SelectObject(other.overlay_font);
    dc.prepare_text(other.overlay_text, other.layout.text_panel, DT_WORDBREAK);
    return true;
}

void CZarvokView::set_require_maximized(bool on) {
    require_maximized_ = on;
}

// Only a change of the screen itself (its size, or the work area a window maximizes into)
// lets the next paint find a new client size, and end the game as designed.
void CZarvokView::screen_moved() {
    emit screenChanged();
    invalidate();
}

// The screen the board was laid out on changed its size or its work area: the game ends, as
// a changed client size ends it at the next paint. Not every window manager fits a maximized
// frame to the new work area (icewm leaves it as it was when a dock goes away), so this does
// not wait for the frame to change.
void CZarvokView::screen_resized() {
    if (board_.game.layout_ready == 1 && !canvas_.isNull() &&
        screen_area() != layout_screen_area_) {
        QCoreApplication::exit(0);
        return;
    }
    screen_moved();
}

void CZarvokView::follow_screen(QScreen* screen) {
    if (watched_screen_) disconnect(watched_screen_, nullptr, this, nullptr);
    watched_screen_ = screen;
    if (!screen) return;
    connect(screen, &QScreen::geometryChanged, this, &CZarvokView::screen_resized);
    connect(screen, &QScreen::availableGeometryChanged, this, &CZarvokView::screen_resized);
}

void CZarvokView::watch_screen() {
    QWindow* handle = window()->windowHandle();
    if (!handle || watched_window_ == handle) return;
    watched_window_ = handle;
    follow_screen(handle->screen());
    connect(handle, &QWindow::screenChanged, this, [this](QScreen* screen) {
        follow_screen(screen);
        screen_moved();
    });
}

QRect CZarvokView::screen_area() const {
    const QWindow* handle = window()->windowHandle();
    const QScreen* screen = handle ? handle->screen() : nullptr;
    return screen ? screen->availableGeometry() : QRect();
}

bool CZarvokView::size_settled() const {
    if (!require_maximized_) return true;
    // Whatever a window manager does to the frame (restore, resize, move, minimize), nothing
    // is drawn at any size but the one the board was laid out for. A new size is painted only
    // once the frame is maximized into it and either the screen's work area is no longer the
    // one the board was laid out on (then the paint procedure ends the game, as designed), or
    // the board is laid out anew (see ensure_canvas).
    const bool maximized = window()->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (canvas_.isNull()) return maximized;
    if (canvas_matches_view()) return true;
    return maximized && (screen_area() != layout_screen_area_ || may_lay_out_again());
}

// A window manager may still settle the maximized frame after the first paint (kwin adds its
// title bar only then): while the line stands at its corner, nothing the student did is lost
// by laying the board out again for the size the view really has. Without a window manager the
// frame is put back on the whole screen instead (CMainFrame).
bool CZarvokView::may_lay_out_again() const {
    return board_.game.move_count == 0 && board_.game.game_over == 0 &&
           screen_area() == layout_screen_area_ && x11_window_manager_running();
}

// At a fractional pixel ratio a cell's edges may share device pixels with its neighbours', and
// every cell is drawn.
bool CZarvokView::whole_pixels() const {
    const qreal dpr = canvas_.devicePixelRatio();
    return dpr == std::floor(dpr);
}

bool CZarvokView::canvas_matches_view() const {
    const qreal dpr = devicePixelRatioF();
    return !canvas_.isNull() && canvas_.size() == size() * dpr && canvas_.devicePixelRatio() == dpr;
}

bool CZarvokView::ensure_canvas() {
    check_canvas_on_window();
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = size() * dpr;
    if (pixels.isEmpty()) return false;
    if (!canvas_matches_view()) {
        if (!canvas_.isNull() && require_maximized_ && may_lay_out_again()) {
            board_.game.layout_ready = 0;
            laying_out_again_ = true;
        }
        layout_screen_area_ = screen_area();
        on_window_.detach();
        canvas_ = paint_on_window_ ? on_window_.attach(*this) : QImage();
        if (canvas_.isNull()) {
            canvas_ = QImage(pixels, QImage::Format_RGB32);
            canvas_.setDevicePixelRatio(dpr);
        }
        canvas_.fill(Qt::white);
        cells_.clear();
        inked_.reset(size());
        key_damage_.reset(size());
        copies_.reset(canvas_);
        papers_looked_at_ = 0;
        stories_looked_at_ = 0;
    }
    return true;
}

void CZarvokView::OnDraw() {
    if (!ensure_canvas()) return;
    PaintResult result;
    {
        QPainter painter(&canvas_);
        QtSurface canvas(painter, Rect{0, 0, width(), height()}, nullptr, &inked_);
        CellFilter dc(cells_, canvas, whole_pixels());
        result = paint_board(dc, board_, local_now());
    }
    copies_.forget();
    paint_due_ = false;
    work_later();
    after_paint(result, true);
}

// After a paint the banner goes to the title bar once the board is on the screen: the window
// system may keep the program waiting on the new title for more than a millisecond. A key has
// sent its pixels already.
void CZarvokView::after_paint(PaintResult result, bool in_paint) {
    if (result == PaintResult::nothing) return;
    if (in_paint)
        QTimer::singleShot(0, this, &CZarvokView::show_banner);
    else
        show_banner();
    if (result == PaintResult::client_changed) {
        // The layout was made for another size (the display changed): the program ends.
        QCoreApplication::exit(0);
        return;
    }
    if (!painted_once_) {
        painted_once_ = true;
        announce(opening_sentence(board_.game));
        QTimer::singleShot(0, &sound_, &CuePlayer::load);
        emit firstPaintDone();
    } else if (laying_out_again_) {
        emit laidOutAgain();
    }
    laying_out_again_ = false;
    emit gameChanged();
}

void CZarvokView::show_banner() {
    window()->setWindowTitle(QString::fromStdString(board_.title_banner));
}

void CZarvokView::invalidate() {
    paint_due_ = true;
    update();
}

void CZarvokView::showEvent(QShowEvent* event) {
    paint_due_ = true;
    QWidget::showEvent(event);
    window()->removeEventFilter(this);
    window()->installEventFilter(this);
    watch_screen();
}

void CZarvokView::leave_window() {
    if (!on_window_.attached()) return;
    check_canvas_on_window();
    if (on_window_.attached()) canvas_ = canvas_.copy();
    on_window_.detach();
}

void CZarvokView::check_canvas_on_window() {
    if (!on_window_.attached() || on_window_.hold(*this)) return;
    on_window_.detach();
    canvas_ = QImage();
    invalidate();
}

bool CZarvokView::eventFilter(QObject* watched, QEvent* event) {
    // The window's pixels are made anew at its next paint.
    if (watched == window() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal))
        leave_window();
    return QWidget::eventFilter(watched, event);
}

void CZarvokView::moveEvent(QMoveEvent* event) {
    leave_window();
    QWidget::moveEvent(event);
}

// Any resize asks for the paint procedure; it runs once the frame is back at the board's size,
// or at a new size once the screen has changed (and then ends the game, as designed).
void CZarvokView::resizeEvent(QResizeEvent* event) {
    leave_window();
    paint_due_ = true;
    QWidget::resizeEvent(event);
}

void CZarvokView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    check_canvas_on_window();
    // A paint of the whole view on the window's pixels may leave the board there for the keys.
    const bool whole = (QRegion(rect()) - event->region()).isEmpty();
    const QImage* window = whole ? WindowPixels::of(*this) : nullptr;  // not after a key
    const bool onto_window = window && WindowPixels::paints_on(painter, window->constBits());
    paint_on_window_ = onto_window;
    if (paint_due_ && size_settled()) OnDraw();
    paint_on_window_ = false;
    if (canvas_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    if (on_window_.attached() && on_window_.painted_by(painter)) return;  // drawn there already
    if (onto_window && canvas_matches_view()) {
        // Back at the board's size after the frame was away from it: the board moves onto the
        // window's pixels, and this paint is the copy that puts it there.
        QImage view = on_window_.attach(*this);
        const QImage board = canvas_.convertedTo(view.format());  // shares canvas_ if the same
        copy_pixels(view, QPoint(0, 0), board, board.rect());
        canvas_ = view;
        return;
    }
    // Only what the toolkit asks for is copied: after a key, what the key drew.
    const QRect board(QPoint(0, 0), canvas_.deviceIndependentSize().toSize());
    const qreal dpr = canvas_.devicePixelRatio();
    for (const QRect& r : event->region()) {
        const QRect part = r & board;
        if (!part.isEmpty())
            painter.drawImage(part, canvas_,
                              QRectF(part.topLeft() * dpr, part.size() * dpr).toAlignedRect());
    }
    // While a window manager holds the frame at another size, the board shows at its own size.
    for (const QRect& spare : (event->region() - board)) painter.fillRect(spare, Qt::white);
}

// Before every key the toolkit offers the board the key, and then looks it up among the
// shortcuts of the frame and its menus, which takes longer than a move draws. The board's own
// keys are no shortcut's, so the board takes them at once.
bool CZarvokView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        is_board_key(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CZarvokView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (is_accelerator(*event)) return;
    // Keys held with Alt (and Alt itself) are the system's: the menus and the window manager
    // take what they need of them, and none of them reaches the game.
    if (event->key() == Qt::Key_Alt || (event->modifiers() & Qt::AltModifier)) return;
    OnKeyDown(virtual_key(*event));
}

void CZarvokView::announce(const std::string& sentence) {
    if (sentence.empty()) return;
    narration_.tell(spoken(state_sentence(board_.game)), spoken(sentence));
}

// A menu, the About box or a dialog closed: the screen reader follows the keyboard back to
// the board, after the focus event the toolkit sends for the view itself.
void CZarvokView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (QAccessible::isActive()) QTimer::singleShot(0, this, [this] { narration_.refocus(); });
}

void CZarvokView::play_cue(Cue cue) {
    sound_.play_sound(static_cast<int>(cue));
}

// The canvas keeps the board's size whatever the frame goes through meanwhile, so the key draws
// on it as always and the screen shows it once the frame is back.
void CZarvokView::draw_key(const std::function<void(Surface&)>& draw, bool moves) {
    check_canvas_on_window();
    if (canvas_.isNull()) return;  // the window's pixels were made anew: the next paint draws
    QRegion drawn;
    {
        QPainter painter(&canvas_);
        const QSize board = canvas_.deviceIndependentSize().toSize();
        key_damage_.clear_all();
        // A move's drawing is compared with what was there, and only the tiles it changed are
        // shown. The story's coming or going changes most of its tiles, and comparing them
        // would cost more than showing them.
        key_damage_.keep_pixels_of(moves ? &canvas_ : nullptr);
        QtSurface canvas(painter, Rect{0, 0, board.width(), board.height()}, &key_damage_, &inked_,
                         &copies_.drawn_on());
        copies_.attach(painter, key_damage_, inked_);
        CellFilter dc(cells_, canvas, whole_pixels(), &copies_);
        draw(dc);
        dc.finish();
        copies_.detach();
        key_damage_.unmark_unchanged();
        drawn = key_damage_.region();
    }
    last_key_damage_ = drawn;
    // What the key drew on the window's own pixels goes to the screen now: a paint would find
    // it there already, and waiting for one costs more than the drawing. On a canvas of its
    // own, a paint copies it over; the paint procedure does not run for either.
    if (!on_window_.send(*this, drawn)) update(drawn);
    work_later();
}

void CZarvokView::OnKeyDown(int32_t vk) {
    const KeyStep step = handle_key(board_, vk, *this, QAccessible::isActive(), local_now());
    if (step.paint_due) {
        invalidate();  // nothing painted yet: the first paint shows the board as it is now
        emit gameChanged();
        return;
    }
    if (step.painted) after_paint(step.paint_result, false);
    announce(step.sentence);
    emit gameChanged();
}

}  // namespace zarvo
