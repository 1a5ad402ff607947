#include "app/board_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>

#include "app/zarvok_view.h"

namespace zarvo {

// One line of narration: a paragraph of plain text inside the board. It is never focusable (a
// focusable paragraph that cannot be edited is announced as "read only"); the reader is moved
// to it with a focus event all the same.
class NarrationLine : public QAccessibleInterface, public QAccessibleTextInterface {
  public:
    explicit NarrationLine(QWidget* board) : board_(board) {}

    void set(const std::string& state, const std::string& sentence) {
        text_ = QString::fromStdString(state);
        if (!text_.isEmpty() && !sentence.empty()) text_ += QLatin1Char('\n');
        state_end_ = static_cast<int>(state.empty() ? 0 : text_.size() - 1);
        caret_ = static_cast<int>(text_.size());
        text_ += QString::fromStdString(sentence);
        shown_ = true;
    }
    void hide() { shown_ = false; }

    // QAccessibleInterface
    bool isValid() const override { return board_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return shown_ ? QRect(board_->mapToGlobal(QPoint(0, 0)), board_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Paragraph; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.multiLine = true;
        s.invisible = !shown_;
        s.offscreen = !shown_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : nullptr;
    }

    // QAccessibleTextInterface: plain text, no selection; the caret stays on the sentence.
    // The state is selected, in two pieces that meet at its first blank: a reader's where-am-I
    // reads what is selected, and a focus change reads the caret's line and says "selected"
    // only of a single selection.
    void selection(int index, int* start, int* end) const override {
        const int blank = static_cast<int>(text_.indexOf(QLatin1Char(' ')));
        *start = index == 0 ? 0 : blank + 1;
        *end = index == 0 ? blank : state_end_;
    }
    int selectionCount() const override {
        const qsizetype blank = text_.indexOf(QLatin1Char(' '));
        return shown_ && blank > 0 && blank + 1 < state_end_ ? 2 : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return caret_; }
    void setCursorPosition(int position) override {
        caret_ = std::clamp(position, 0, characterCount());
    }
    QString text(int start, int end) const override {
        start = std::clamp(start, 0, characterCount());
        end = std::clamp(end < 0 ? characterCount() : end, start, characterCount());
        return text_.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }
    // A line is what lies between two line breaks; the rest of the boundaries are Qt's own.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        offset = std::clamp(offset, 0, characterCount());
        const qsizetype before = offset > 0 ? text_.lastIndexOf(QLatin1Char('\n'), offset - 1) : -1;
        const qsizetype after = text_.indexOf(QLatin1Char('\n'), offset);
        *start = static_cast<int>(before + 1);
        *end = after < 0 ? characterCount() : static_cast<int>(after + 1);
        return text_.mid(*start, *end - *start);
    }

    void forget() { board_ = nullptr; }

  private:
    QWidget* board_;
    QString text_;
    int caret_ = 0;
    int state_end_ = 0;
    bool shown_ = false;
};

BoardNarration::BoardNarration(QWidget* board) : board_(board) {}

BoardNarration::~BoardNarration() {
    if (!made_) return;
    for (NarrationLine* line : lines_) {
        line->forget();
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(line));
    }
}

void BoardNarration::make() {
    if (made_) return;
    made_ = true;
    for (NarrationLine*& line : lines_) {
        line = new NarrationLine(board_);
        QAccessible::registerAccessibleInterface(line);
    }
}

void BoardNarration::tell(const std::string& state, const std::string& sentence) {
    if (!QAccessible::isActive()) return;
    make();
    // A reader speaks a focus change only when the focus really moves: each sentence gets the
    // line that does not hold the last one.
    lines_[current_]->hide();
    current_ = (current_ + 1) % kLines;
    lines_[current_]->set(state, sentence);
    refocus();
}

void BoardNarration::refocus() {
    if (!QAccessible::isActive() || !made_ || !board_->hasFocus()) return;
    QAccessibleEvent focus(lines_[current_], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QAccessibleInterface* BoardNarration::line(int index) {
    make();
    return index >= 0 && index < kLines ? lines_[index] : nullptr;
}

int BoardNarration::index_of(const QAccessibleInterface* line) const {
    for (int i = 0; made_ && i < kLines; ++i)
        if (lines_[i] == line) return i;
    return -1;
}

QAccessibleInterface* BoardNarration::current_line() {
    make();
    return lines_[current_];
}

namespace {

class BoardAccessible : public QAccessibleWidget {
  public:
    explicit BoardAccessible(CZarvokView* view) : QAccessibleWidget(view, QAccessible::Client) {}

    CZarvokView* view() const { return static_cast<CZarvokView*>(widget()); }

    int childCount() const override { return BoardNarration::kLines; }
    QAccessibleInterface* child(int index) const override {
        return view()->narration().line(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return view()->narration().index_of(child);
    }
    QAccessibleInterface* focusChild() const override {
        return view()->hasFocus() ? view()->narration().current_line() : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QStringLiteral("Zarvo");
        return QAccessibleWidget::text(t);
    }
};

}  // namespace

QAccessibleInterface* board_accessible(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("zarvo::CZarvokView") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<CZarvokView*>(object));
    return nullptr;
}

}  // namespace zarvo
