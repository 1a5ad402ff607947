#include "app/zarvok_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <ctime>

#include "app/keys.h"
#include "app/qt_surface.h"

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
}

void CZarvokView::set_require_maximized(bool on) {
    require_maximized_ = on;
}

bool CZarvokView::size_settled() const {
    if (!require_maximized_) return true;
    // A window manager may un-maximize the frame for a moment; nothing is drawn at that size.
    return window()->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

bool CZarvokView::canvas_matches_view() const {
    const qreal dpr = devicePixelRatioF();
    return !canvas_.isNull() && canvas_.size() == size() * dpr && canvas_.devicePixelRatio() == dpr;
}

bool CZarvokView::ensure_canvas() {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = size() * dpr;
    if (pixels.isEmpty()) return false;
    if (!canvas_matches_view()) {
        canvas_ = QImage(pixels, QImage::Format_RGB32);
        canvas_.setDevicePixelRatio(dpr);
        canvas_.fill(Qt::white);
    }
    return true;
}

void CZarvokView::OnDraw() {
    if (!ensure_canvas()) return;
    PaintResult result;
    {
        QPainter painter(&canvas_);
        QtSurface dc(painter, Rect{0, 0, width(), height()});
        result = paint_board(dc, board_, local_now());
    }
    paint_due_ = false;
    after_paint(result);
}

void CZarvokView::after_paint(PaintResult result) {
    if (result == PaintResult::nothing) return;
    window()->setWindowTitle(QString::fromLatin1(board_.title_banner.c_str()));
    if (result == PaintResult::client_changed) {
        // The layout was made for another size (the display changed): the program ends.
        QCoreApplication::exit(0);
        return;
    }
    if (!painted_once_) {
        painted_once_ = true;
        QTimer::singleShot(0, &sound_, &CuePlayer::load);
        emit firstPaintDone();
    }
    emit gameChanged();
}

void CZarvokView::invalidate() {
    paint_due_ = true;
    update();
}

void CZarvokView::showEvent(QShowEvent* event) {
    paint_due_ = true;
    QWidget::showEvent(event);
}

// A new size is painted anew (where the paint procedure ends the game if the layout no longer
// fits); while the frame is only passing through another size, nothing is drawn.
void CZarvokView::resizeEvent(QResizeEvent* event) {
    paint_due_ = true;
    QWidget::resizeEvent(event);
}

void CZarvokView::paintEvent(QPaintEvent*) {
    if (paint_due_ && size_settled()) OnDraw();
    QPainter painter(this);
    if (canvas_.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawImage(QPoint(0, 0), canvas_);
    }
}

void CZarvokView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (is_accelerator(*event)) return;
    // Keys held with Alt (and Alt itself) are the system's: the menus and the window manager
    // take what they need of them, and none of them reaches the game.
    if (event->key() == Qt::Key_Alt || (event->modifiers() & Qt::AltModifier)) return;
    OnKeyDown(virtual_key(*event));
}

void CZarvokView::OnKeyDown(int32_t vk) {
    const bool overlay_up = board_.game.overlay_shown == 1;
    KeyOutcome outcome = press_key(board_, vk);
    if (outcome.redraw == Redraw::overlay && overlay_up) {
        // F1 with the story already up: smoothed text drawn over itself would darken, so the
        // panel is cleared and the board drawn again, ending with the story as before.
        outcome.erase_overlay = true;
        outcome.redraw = Redraw::board_full;
    }
    for (int i = 0; i < outcome.cue_count; ++i)
        sound_.play_sound(static_cast<int>(outcome.cues[i]));
    if (outcome.erase_overlay || outcome.redraw != Redraw::none) {
        if (!canvas_matches_view()) {
            // The frame is passing through another size: the paint once it is back shows the
            // whole board as the key left it.
            invalidate();
            emit gameChanged();
            return;
        }
        PaintResult result;
        {
            QPainter painter(&canvas_);
            QtSurface dc(painter, Rect{0, 0, width(), height()});
            result = carry_out(dc, board_, outcome, local_now());
        }
        if (outcome.redraw == Redraw::paint) after_paint(result);
        update();  // shows the canvas; the paint procedure does not run for this
    }
    emit gameChanged();
}

}  // namespace zarvo
