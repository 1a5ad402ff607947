#include "board/text_layout.h"

#include <cmath>

#include "board/surface.h"

namespace zarvo {

namespace {

std::string_view trim_trailing_blanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Greedy wrap of one paragraph (no "\n" inside). Widths add up piece by piece: the line so far
// plus the blanks and the next word, so each piece of text is measured once.
void wrap_paragraph(std::string_view para, int32_t width, const MeasureWidth& measure,
                    std::vector<std::string_view>& lines) {
    size_t start = 0;
    bool first = true;
    while (first || start < para.size()) {
        first = false;
        // The longest run from `start` that ends at a word end and fits; at least one word.
        size_t best_end = std::string_view::npos;
        double best_width = 0;
        size_t pos = start;
        while (pos < para.size() && para[pos] == ' ') ++pos;  // leading blanks of a paragraph
        while (true) {
            size_t word_end = pos;
            while (word_end < para.size() && para[word_end] != ' ') ++word_end;
            const size_t from = best_end == std::string_view::npos ? start : best_end;
            const double candidate = best_width + measure(para.substr(from, word_end - from));
            if (best_end != std::string_view::npos && candidate > width) break;
            best_end = word_end;
            best_width = candidate;
            if (word_end >= para.size()) break;
            pos = word_end;
            while (pos < para.size() && para[pos] == ' ') ++pos;
            if (pos >= para.size()) {
                best_end = para.size();  // trailing blanks belong to the last line
                break;
            }
        }
        lines.push_back(trim_trailing_blanks(para.substr(start, best_end - start)));
        start = best_end;
        while (start < para.size() && para[start] == ' ') ++start;  // blanks at a wrap go
    }
}

}  // namespace

std::vector<std::string_view> wrap_lines(std::string_view text, int32_t width, int format,
                                         const MeasureWidth& measure) {
    std::vector<std::string_view> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(text);
        return lines;
    }
    size_t start = 0;
    while (true) {
        const size_t nl = text.find('\n', start);
        const std::string_view para =
            text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (format & DT_WORDBREAK) {
            wrap_paragraph(para, width, measure, lines);
        } else {
            lines.push_back(para);
        }
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

int32_t place_lines(std::string_view text, const Rect& rect, int format, int32_t cell,
                    const MeasureWidth& measure, std::vector<PlacedLine>& out) {
    out.clear();
    const auto lines = wrap_lines(text, rect.width(), format, measure);
    int32_t y = rect.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = rect.top + (rect.height() - cell) / 2;
    const bool measure_x = (format & (DT_CENTER | DT_RIGHT)) != 0;
    for (const std::string_view line : lines) {
        int32_t x = rect.left;
        if (measure_x) {
            const auto w = static_cast<int32_t>(std::lround(measure(line)));
            if (format & DT_CENTER) {
                x = rect.left + (rect.width() - w) / 2;
            } else {
                x = rect.right - w;
            }
        }
        out.push_back(PlacedLine{line, x, y});
        y += cell;
    }
    return y;
}

const std::vector<PlacedLine>* lines_to_draw(std::string_view text, Rect& rect, int format,
                                             int32_t cell, const MeasureWidth& measure) {
    thread_local std::vector<PlacedLine> lines;
    const int32_t bottom = place_lines(text, rect, format, cell, measure, lines);
    if (format & DT_CALCRECT) {
        rect.bottom = bottom;
        return nullptr;
    }
    if (rect.right <= rect.left || rect.bottom <= rect.top) return nullptr;
    return &lines;
}

}  // namespace zarvo
