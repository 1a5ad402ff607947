// A surface in front of a picture's own that leaves out a cell drawn again just as it stands.
//
// Much of what a key draws repeats what is there already: a move redraws the whole table, the
// hint and the prompt to change two numbers. A cell is an opaque rectangle (Rectangle or
// FillRect) with the text and discs drawn inside it straight after. Everything in it is
// decided by those calls alone, so when a cell's calls are the ones that drew the picture's cell
// at the same place, and nothing has drawn over that place since, the cell's pixels are already
// what the calls would draw, and the calls are left out. Everything else goes straight through.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "board/recording_surface.h"

namespace zarvo {

// A picture that can keep copies of an area's pixels, each under a number, and put one back.
class PixelStore {
  public:
    virtual ~PixelStore() = default;
    // Whether a copy of `area` is worth its keeping: putting it back costs less than drawing it.
    virtual bool can_keep(const Rect& area) = 0;
    // Keeps the picture's pixels of `area` as copy `copy`.
    virtual void keep(const Rect& area, int copy) = 0;
    // Puts copy `copy` of `area` back where the picture may differ from it, and adds the
    // rectangles it put back to `changed`; false, with nothing put back, when it holds no such
    // copy.
    virtual bool put_back(const Rect& area, int copy, std::vector<Rect>& changed) = 0;
    // Makes copy `copy` of `area` by drawing `ops` on it, apart from the picture; false when
    // this store cannot.
    virtual bool make(const Rect& area, int copy, const std::vector<RecordingSurface::Op>& ops) {
        (void)area, (void)copy, (void)ops;
        return false;
    }
    // Copy `copy` is no longer wanted.
    virtual void drop(int copy) { (void)copy; }
};

// What the cells of one picture hold: kept beside the picture, and cleared whenever the picture
// is made anew or changed by anything but a CellFilter over it.
class CellMemory {
  public:
    void clear() {
        cells_.clear();
        groups_.clear();
    }

  private:
    friend class CellFilter;
    struct Cell {
        Rect rect;
        std::vector<RecordingSurface::Op> ops;
        // Only the frame's colour lies on the rectangle's outer ring, so a neighbour whose frame
        // of the same colour shares that ring leaves the cell as it was.
        bool clean_frame = false;
        // The boxes of a cell made of boxes that overlap in part; none for a single box.
        std::vector<Rect> parts;
    };
    std::vector<Cell> cells_;
    // The groups whose pixels the picture's store keeps, with the calls that drew them, the
    // least recently shown first. A copy is apart from the picture, so nothing drawn on the
    // picture makes it wrong. An area holds a few: a new problem's paper may differ from the
    // last one's, and the next one's may be either.
    struct Group {
        Rect area;
        std::vector<RecordingSurface::Op> ops;
        int copy = 0;  // its number in the store
    };
    static constexpr size_t kGroupsPerArea = 2;
    std::vector<Group> groups_;
    int last_copy_ = 0;
    // The group held for `area` that `ops` drew, or groups_.end().
    std::vector<Group>::iterator group_drawn_as(const Rect& area,
                                                const std::vector<RecordingSurface::Op>& ops) {
        return std::find_if(groups_.begin(), groups_.end(),
                            [&](const Group& g) { return g.area == area && g.ops == ops; });
    }
    // Whether `area` holds all the groups it may.
    bool area_full(const Rect& area) const {
        return static_cast<size_t>(std::count_if(groups_.begin(), groups_.end(),
                                                 [&](const Group& g) { return g.area == area; })) >=
               kGroupsPerArea;
    }
};

class CellFilter : public Surface {
  public:
    // With `skip` false every cell is drawn and none remembered. With a `store`, a group whose
    // calls are the ones it kept last is put back from there.
    CellFilter(CellMemory& memory, Surface& picture, bool skip = true, PixelStore* store = nullptr);
    // Draws (or leaves out) the cells still waiting; the filter does so at its end too.
    void finish();
    // Has `store` make copies of the groups `draw` would draw, apart from the picture, where
    // `memory` has room for them beside the ones it holds: such a group is then put back when it
    // is drawn. For the time between keys, so that a key finds ready what it may draw.
    static void prepare(CellMemory& memory, PixelStore& store, const Rect& client,
                        const std::function<void(Surface&)>& draw);
    ~CellFilter() override { finish(); }

    Rect GetClientRect() const override { return picture_.GetClientRect(); }
    void SetBkMode() override { picture_.SetBkMode(); }
    void SelectObject(const Pen& pen) override;
    void SelectObject(const Brush& brush) override;
    void SelectObject(const Font& font) override;
    void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void FillRect(const Rect& rect, const Brush& brush) override;
    void SetTextColor(COLORREF colour) override;
    void DrawText(std::string_view text, Rect& rect, int format) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    Size GetTextExtentPoint32(std::string_view text) override;
    void BeginGroup(const Rect& area) override;
    void EndGroup() override;

    using Surface::DrawText;
    using Surface::Ellipse;
    using Surface::Rectangle;

  private:
    using Op = RecordingSurface::Op;
    using Kind = RecordingSurface::Kind;

    Op op(Kind kind, const Rect& rect) const;
    void start_cell(Op first);
    CellMemory::Cell* cell_holding(const Rect& area);
    bool off_the_frame(std::string_view text, const Rect& rect, int format, const Rect& cell);
    // The advance box of one line of text as DrawText places it in `rect`, in the picture's
    // current font: from its first letter to its end, a cell high.
    Rect line_box(std::string_view text, const Rect& rect, int format);
    // Where a call may put ink; empty for a call that draws nothing there alone.
    Rect reach(const Op& o);
    // Draws a cell whose calls are those that drew `was` but for the words of its texts;
    // false, with nothing drawn, when that cannot be told apart from drawing it whole.
    bool rewrite_words(const CellMemory::Cell& was, const CellMemory::Cell& cell);
    void settle(const Rect& area);
    // Something is drawn over `area` outside any cell: what waits there goes first, and what
    // the picture held there is no longer known.
    void clear_way(const Rect& area);
    // Leaves the cell out if the picture holds it already, else draws and remembers it.
    void decide(CellMemory::Cell& cell);
    // Draws `o` on the picture, with the pens and fonts it was asked with.
    void draw(const Op& o);
    // Whatever is drawn over `area` outside a cell: the cells it touches are no longer known.
    void forget(const Rect& area, const CellMemory::Cell* beside = nullptr);
    void restore_state();
    // Inside a group a drawing call is only noted, with the area it may reach.
    void note(const Op& o, const Rect& reach);
    bool group_spares(const CellMemory::Cell& cell) const;
    // A cell of plain fills over the area of a group the picture's store keeps is
    // drawn around that area; its part there waits, as the group covers all of its area when
    // it comes. False, with nothing drawn, for any other cell.
    bool fill_around_group(const CellMemory::Cell& cell);
    // A cell of plain fills that covers cells the picture holds waits, as fills, to be drawn
    // only where nothing drawn after it covers. False, with nothing done, for any other cell.
    bool fill_behind_cells(const CellMemory::Cell& cell);
    // Draws the parts of the fills still waiting that lie in `area`, before something is drawn
    // there.
    void fill_waiting(const Rect& area);
    // The waiting fills are no longer to be drawn in `area`.
    void cut_waiting(const Rect& area);
    // Fills `r` (if not empty) with `brush` on the picture.
    void fill(const Rect& r, const Brush& brush);

    CellMemory& memory_;
    Surface& picture_;
    bool skip_;
    Pen pen_{0};
    Brush brush_{0xFFFFFF};
    Font font_{};
    COLORREF text_colour_ = 0;
    int32_t x_ = 0, y_ = 0;
    // What the picture was last told, which differs from the above only while a cell is drawn.
    Pen picture_pen_{0};
    Brush picture_brush_{0xFFFFFF};
    Font picture_font_{};
    COLORREF picture_text_colour_ = 0;

    // Cells whose calls are all known so far, drawn or left out only once something else is
    // about to be drawn over them, or at the end.
    std::vector<CellMemory::Cell> pending_;

    PixelStore* store_;
    bool grouping_ = false;
    // Whether the group's calls so far cover its area first and stay inside it.
    bool keepable_ = false;
    CellMemory::Group group_;
    std::vector<Rect> group_reach_;  // where the group's calls after its first may reach
    struct WaitingFill {
        Rect area;
        Brush brush;
    };
    std::vector<WaitingFill> waiting_fills_;
    std::vector<Rect> put_back_;
};

}  // namespace zarvo
