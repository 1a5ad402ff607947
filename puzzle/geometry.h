// Plain integer rectangles in client pixels: left and top inclusive, right and bottom exclusive.
#pragma once

#include <cstdint>

namespace zarvo {

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace zarvo
