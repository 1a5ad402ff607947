// The board as a screen reader meets it. The board is a panel named after the game; inside it
// one line of text carries the whole state in plain words, and last what the latest key did.
// Screen readers speak a change of focus at once, and the line the caret is on, so each key
// moves the reader's focus to a fresh line with its sentence last and the caret on it;
// reading the focused object again (where-am-I) reads its whole text: the state, then the
// sentence.
#pragma once

#include <QString>
#include <array>
#include <string>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace zarvo {

class NarrationLine;

class BoardNarration {
  public:
    // `board` is the widget the lines belong to; nothing is made until the first line is told.
    explicit BoardNarration(QWidget* board);
    ~BoardNarration();
    BoardNarration(const BoardNarration&) = delete;
    BoardNarration& operator=(const BoardNarration&) = delete;

    // Moves a listening screen reader to a fresh line: `state`, then `sentence` with the caret.
    void tell(const std::string& state, const std::string& sentence);
    // The board has the keyboard again: the reader's focus goes back to the current line.
    void refocus();

    // For the board's accessible interface: its children are the two lines.
    static constexpr int kLines = 2;
    QAccessibleInterface* line(int index);
    int index_of(const QAccessibleInterface* line) const;
    QAccessibleInterface* current_line();

  private:
    QWidget* board_;
    std::array<NarrationLine*, kLines> lines_{};
    int current_ = 0;
    bool made_ = false;
    void make();
};

// The factory Qt asks for the view's accessible interface; null for every other object.
QAccessibleInterface* board_accessible(const QString& class_name, QObject* object);

}  // namespace zarvo
