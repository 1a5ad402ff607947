// From Qt key events to the virtual-key codes the game reads, and the accelerator table.
#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <array>
#include <cstdint>

class QKeyEvent;

namespace zarvo {

int32_t virtual_key(const QKeyEvent& event);

// The frame's accelerators, in table order; none of them ever reaches the game.
struct Accelerator {
    QKeyCombination keys;
    enum Command { file_new, file_open, file_save, file_print, nothing } command;
};
extern const std::array<Accelerator, 14> kAccelerators;

bool is_accelerator(const QKeyEvent& event);

// A key the board answers, pressed alone, that no shortcut of the frame or its menus uses.
bool is_board_key(const QKeyEvent& event);

}  // namespace zarvo
