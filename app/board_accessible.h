// The board as a screen reader meets it: the focused view names the game and carries the
// sentence of the last key; its description is the whole state.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace zarvo {

// The factory Qt asks for the view's accessible interface; null for every other object.
QAccessibleInterface* board_accessible(const QString& class_name, QObject* object);

}  // namespace zarvo
