#include "app/keys.h"

#include <QKeyEvent>

#include "puzzle/game.h"

namespace zarvo {

const std::array<Accelerator, 14> kAccelerators = {{
    {Qt::CTRL | Qt::Key_N, Accelerator::file_new},
    {Qt::CTRL | Qt::Key_O, Accelerator::file_open},
    {Qt::CTRL | Qt::Key_S, Accelerator::file_save},
    {Qt::CTRL | Qt::Key_P, Accelerator::file_print},
    {Qt::CTRL | Qt::Key_Z, Accelerator::nothing},
    {Qt::CTRL | Qt::Key_X, Accelerator::nothing},
    {Qt::CTRL | Qt::Key_C, Accelerator::nothing},
    {Qt::CTRL | Qt::Key_V, Accelerator::nothing},
    {Qt::ALT | Qt::Key_Backspace, Accelerator::nothing},
    {Qt::SHIFT | Qt::Key_Delete, Accelerator::nothing},
    {Qt::CTRL | Qt::Key_Insert, Accelerator::nothing},
    {Qt::SHIFT | Qt::Key_Insert, Accelerator::nothing},
    {QKeyCombination(Qt::Key_F6), Accelerator::nothing},
    {Qt::SHIFT | Qt::Key_F6, Accelerator::nothing},
}};

bool is_accelerator(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods = e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                        Qt::AltModifier | Qt::MetaModifier);
    const QKeyCombination pressed(mods, static_cast<Qt::Key>(e.key()));
    for (const Accelerator& a : kAccelerators)
        if (a.keys == pressed) return true;
    return false;
}

bool is_board_key(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                         Qt::MetaModifier | Qt::KeypadModifier))
        return false;
    switch (e.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Tab:
        case Qt::Key_Home:
        case Qt::Key_Space:
        case Qt::Key_F1:
            return true;
        default:
            return false;
    }
}

int32_t virtual_key(const QKeyEvent& e) {
    const int key = e.key();
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Left:
            return 0x25;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_End:
            return 0x23;
        case Qt::Key_PageUp:
            return 0x21;
        case Qt::Key_PageDown:
            return 0x22;
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Insert:
            return 0x2D;
        case Qt::Key_Delete:
            return 0x2E;
        case Qt::Key_Shift:
            return 0x10;
        case Qt::Key_Control:
            return 0x11;
        case Qt::Key_Alt:
            return 0x12;
        default:
            break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    return 0;
}

}  // namespace zarvo
