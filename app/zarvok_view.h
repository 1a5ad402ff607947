// The view: the widget that fills the frame and owns the game. Paints run the paint procedure
// on a canvas the view keeps; keys draw on that canvas at once and only show it. Where the
// window system allows, the canvas is the view's part of the window's own pixels.
#pragma once

#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "app/board_accessible.h"
#include "app/canvas_copy.h"
#include "app/sound.h"
#include "app/tile_grid.h"
#include "app/window_pixels.h"
#include "app/zarvok_doc.h"
#include "board/board.h"
#include "board/cell_filter.h"
#include "board/key_path.h"
#include "print/results_page.h"

class QPrinter;
class QWindow;

namespace zarvo {

class CZarvokView : public QWidget, private KeyShell {
    Q_OBJECT
  public:
    explicit CZarvokView(ProblemChooser chooser, QWidget* parent = nullptr);

    // The paint procedure on the canvas; the next flush shows it.
    void OnDraw();
    // One key-down event with its virtual-key code.
    void OnKeyDown(int32_t vk);
    bool OnUpdateFilePrint() const { return print_enabled(board_.game); }

    // The print path: the dialog (unless `direct`), then one page.
    void OnFilePrint(bool direct);
    bool OnPreparePrinting() const { return prepare_printing_allowed(board_.game); }
    // Runs the page loop for the one results page on an already set-up printer: begin, the
    // page, end. False if the job cannot start.
    bool print_page(QPrinter& printer);
    // Whether the page range chosen in the print dialog takes in the results page, page 1.
    static bool prints_page_one(const QPrinter& printer);
    void OnBeginPrinting(QPainter&) {}
    void OnPrint(QPainter& painter, const QRect& page);
    void OnEndPrinting(QPainter&) {}

    // Marks the whole view for the paint procedure at the next paint (File New, Open, Save).
    void invalidate();
    void set_document_title(const QString& title) { document_title_ = title; }
    // Inside the frame nothing is drawn unless the frame is maximized.
    void set_require_maximized(bool on);

    const Board& board() const { return board_; }
    Board& board() { return board_; }
    const QImage& canvas() const { return canvas_; }
    // One piece of the work done while no key comes; false when none is left.
    bool work_between_keys();
    bool prepare_story();
    BoardNarration& narration() { return narration_; }
    // What the last key drew, and so showed anew on the screen.
    const QRegion& last_key_damage() const { return last_key_damage_; }
    bool painted_once() const { return painted_once_; }

  signals:
    void gameChanged();
    void firstPaintDone();
    // The board was laid out anew for the size the maximized view settled at.
    void laidOutAgain();
    // The screen the frame is on changed its size or its work area.
    void screenChanged();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab belongs to the game

  private:
    bool ensure_canvas();
    // The window is about to make new pixels (a new size or screen): a canvas on them becomes
    // a copy of its own first.
    void leave_window();
    // A canvas on pixels the window has made anew is lost: the next paint draws the board.
    void check_canvas_on_window();
    bool canvas_matches_view() const;
    bool whole_pixels() const;
    bool size_settled() const;
    bool may_lay_out_again() const;
    void watch_screen();
    void follow_screen(QScreen* screen);
    void screen_moved();
    void screen_resized();
    QRect screen_area() const;
    void after_paint(PaintResult result, bool in_paint);
    void show_banner();

    // What a key needs of the shell: its cues, and the canvas to draw on.
    void play_cue(Cue cue) override;
    bool has_picture() const override { return !canvas_.isNull(); }
    void draw_key(const std::function<void(Surface&)>& draw, bool moves) override;

    Board board_;
    CuePlayer sound_;
    QImage canvas_;
    WindowPixels on_window_;        // where canvas_ lies, when it is a view of the window's pixels
    bool paint_on_window_ = false;  // while a paint covers the view on the window's pixels
    CellMemory cells_;              // what the canvas's cells hold
    TileGrid inked_;                // where the canvas is not plain white
    TileGrid key_damage_;           // what the key being handled drew
    CanvasCopy copies_;             // the graph's paper, kept as pixels
    QRegion last_key_damage_;
    // While no key comes (a student reads the board), large texts drawn so far get their
    // pictures and the graph's paper of every other problem is drawn aside, so that no key waits
    // for them.
    QTimer between_keys_;
    void work_later();
    int papers_looked_at_ = 0;   // the problems whose paper was prepared since the canvas was made
    int stories_looked_at_ = 0;  // and whose story's letters were, in the font fitted to it

    // Tells a listening screen reader what changed; costs nothing when none listens.
    void announce(const std::string& sentence);
    BoardNarration narration_{this};
    QString document_title_ = CZarvokDoc::untitled();
    bool paint_due_ = true;
    bool painted_once_ = false;
    bool laying_out_again_ = false;
    bool require_maximized_ = false;
    QRect layout_screen_area_;  // the screen's work area when the board was laid out
    QWindow* watched_window_ = nullptr;
    QPointer<QScreen> watched_screen_;
};

}  // namespace zarvo
