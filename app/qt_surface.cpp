#include "app/qt_surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QRawFont>
#include <QStaticText>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "app/raster_rows.h"
#include "board/text_layout.h"

namespace zarvo {

QColor to_qcolor(COLORREF c) {
    return QColor(red_of(c), green_of(c), blue_of(c));
}

namespace {

inline QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

// One font at one size, with the advance of every character and the texts already shaped
// in it: the board draws the same labels, numbers and story lines again and again, and shaping
// text is the costly part. Without kerning a text's width is the sum of its characters'
// advances, exactly as the toolkit measures it.
//
// `raw` is the font file at this size, made from the same weight at another size: the toolkit
// asks the font configuration afresh for every font it makes at a new size, which took most of
// the first paint, while a size made from another takes over its settings. Its glyphs, metrics
// and advances are those of `font`. `font` itself is only made ready for the text that `raw`
// cannot draw alone (letters outside ASCII, or the font lacks).
struct QtSurface::FontEntry {
    QFont font;
    QRawFont raw;
    int32_t cell;   // the line pitch and the height GetTextExtentPoint32 reports
    double ascent;  // baseline below the top of the cell
    std::array<double, 128> advance{};  // ASCII, below zero until first asked for
    std::unordered_map<std::string, double> wide_advance{};
    std::unordered_map<std::string, QStaticText> shaped{};
    // Text too large for the toolkit's glyph cache (the title and the story on big screens, in
    // device pixels) is drawn as outlines every time; on a raster canvas it is rendered once
    // into an image instead.
    std::unordered_map<std::string, QImage> rendered{};
    std::optional<QFontMetricsF> font_metrics{};

    const QFontMetricsF& metrics() {
        if (!font_metrics) font_metrics.emplace(font);
        return *font_metrics;
    }

    static constexpr size_t kMaxShaped = 4096;
    static constexpr int32_t kLargeCell = 60;

    double width(std::string_view text) {
        double w = 0;
        size_t i = 0;
        // Letters whose advances are known already, summed in a loop that calls nothing.
        for (; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 0x80 || advance[c] < 0) break;
            w += advance[c];
        }
        while (i < text.size()) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c < 0x80) {
                w += ascii_advance(c);
                ++i;
                continue;
            }
            // A letter of another script or with an accent: its UTF-8 bytes measured together.
            size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            n = std::min(n, text.size() - i);
            const std::string_view letter = text.substr(i, n);
            auto it = wide_advance.find(std::string(letter));
            if (it == wide_advance.end())
                it = wide_advance
                         .emplace(std::string(letter), metrics().horizontalAdvance(text_of(letter)))
                         .first;
            w += it->second;
            i += n;
        }
        return w;
    }

    // `text` in `colour`, rendered on a transparent image with a margin for the glyphs'
    // overhang; its top left stands `margin()` above and left of the text's cell. Null until
    // one is made: making a picture of a whole line costs more than drawing its glyphs once,
    // so it is only noted as wanted here and made between keys (make_wanted_picture), or at
    // once by render() when the glyphs cannot be drawn.
    const QImage* picture(std::string_view text, const QColor& colour, qreal dpr) {
        // A word or two (the title) is drawn from its glyphs as fast as from a picture, which
        // would also take in the blanks and margins around them.
        static constexpr size_t kFewestLetters = 8;
        if (text.size() < kFewestLetters) return nullptr;
        std::string key = picture_key(text, colour, dpr);
        auto it = rendered.find(key);
        if (it != rendered.end()) return it->second.isNull() ? nullptr : &it->second;
        if (rendered.size() >= kMaxPictures) {
            rendered.clear();
            wanted.clear();
        }
        rendered.emplace(std::move(key), QImage());
        wanted.push_back({std::string(text), colour, dpr});
        return nullptr;
    }
    // Does the last piece of `work` and takes it off; false when there is none.
    template <typename Work, typename Do>
    static bool do_one(std::vector<Work>& work, Do what) {
        if (work.empty()) return false;
        const Work w = std::move(work.back());
        work.pop_back();
        what(w);
        return true;
    }
    // Makes one wanted picture; false when none was wanted.
    bool make_wanted_picture() {
        return do_one(wanted, [this](const Wanted& w) { render(w.text, w.colour, w.dpr); });
    }
    const QImage* render(std::string_view text, const QColor& colour, qreal dpr) {
        QImage& image = rendered[picture_key(text, colour, dpr)];
        if (!image.isNull()) return &image;
        const int m = margin();
        const QSize size(static_cast<int>(std::ceil(width(text))) + 2 * m, cell + 2 * m);
        image = QImage(size * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        QPainter p(&image);
        if (draw_glyphs(p, text, QPointF(m, m + ascent), colour)) return &image;
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(colour);
        // A word at a time: these glyphs are filled as outlines, and the filling's cost grows
        // with the square of what one outline spans along a row (a 4K story line in one piece
        // takes milliseconds). Without kerning each word stands where it would in the line.
        for (size_t at = 0; at < text.size();) {
            const size_t end = std::min(text.find(' ', at), text.size());
            if (end > at)
                p.drawText(QPointF(m + width(text.substr(0, at)), m + ascent),
                           text_of(text.substr(at, end - at)));
            at = end + 1;
        }
        return &image;
    }
    int margin() const { return cell / 4; }
    static std::string picture_key(std::string_view text, const QColor& colour, qreal dpr) {
        std::string key(text);
        key += '\0';
        key += std::to_string(colour.rgb()) + '@' + std::to_string(dpr);
        return key;
    }
    struct Wanted {
        std::string text;
        QColor colour;
        qreal dpr;
    };
    std::vector<Wanted> wanted{};
    static constexpr size_t kMaxPictures = 64;

    struct Coverage {
        QImage mask;    // Alpha8; null for a glyph that inks nothing
        int left, top;  // from the pen's position on the baseline, in device pixels
    };
    struct Glyphs {
        QRawFont raw;  // the font at device pixels
        qreal raw_dpr;
        std::unordered_map<quint32, Coverage> coverages;
        std::unordered_map<uint64_t, QImage> pictures;  // by colour and glyph index
        const Coverage& coverage(quint32 index) {
            auto it = coverages.find(index);
            if (it != coverages.end()) return it->second;
            if (coverages.size() > kMaxGlyphs) {
                coverages.clear();
                pictures.clear();
            }
            QImage mask = raw.alphaMapForGlyph(index, QRawFont::PixelAntialiasing)
                              .convertToFormat(QImage::Format_Alpha8);
            const QRectF box = raw.boundingRect(index);
            return coverages
                .emplace(index, Coverage{std::move(mask), static_cast<int>(std::lround(box.x())),
                                         static_cast<int>(std::lround(box.y()))})
                .first->second;
        }
        // The glyph in `colour`, premultiplied, for a painter.
        const QImage& picture(quint32 index, const QColor& colour) {
            const uint64_t key = (uint64_t{colour.rgb()} << 32) | index;
            auto it = pictures.find(key);
            if (it != pictures.end()) return it->second;
            const QImage& mask = coverage(index).mask;
            QImage image(mask.size(), QImage::Format_ARGB32_Premultiplied);
            const QRgb ink = colour.rgb();
            for (int y = 0; y < mask.height(); ++y) {
                const uchar* from = mask.constScanLine(y);
                auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < mask.width(); ++x)
                    to[x] = qPremultiply(qRgba(qRed(ink), qGreen(ink), qBlue(ink), from[x]));
            }
            image.setDevicePixelRatio(raw_dpr);
            return pictures.emplace(key, std::move(image)).first->second;
        }
    };

    // Large letters: the font's own rasterizer renders a glyph far faster than the toolkit
    // fills its outline. Each glyph's coverage is rendered once per device pixel ratio and
    // kept, so a new story's first drawing costs a rendering per letter it uses, not an
    // outline's filling per letter it holds. Each letter stands at the advances width() sums,
    // on whole device pixels.
    //
    // On a canvas whose pixels may be written directly, letters of any size are blended into
    // it here, four pixels at a time (small ones as the toolkit places them, quarter_at()):
    // the toolkit blends its cached glyphs a pixel at a time, which was most of the drawing of
    // a new problem's story and panel. Elsewhere (a clip, a printer) each large letter is
    // drawn as a picture in its colour, and small text by the toolkit.
    //
    // False, with nothing drawn, for a text with a letter the font lacks (another font would
    // stand in for it), a control character, or a letter outside the BMP.
    struct Letter {
        quint32 index;
        double x;  // the pen's logical position, from the text's start
    };
    bool letters_of(std::string_view text, const Glyphs& set, std::vector<Letter>& letters) {
        letters.clear();
        double x = 0;
        size_t i = 0;
        for (; i < text.size(); ++i) {  // ASCII, without making a string of it
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 0x80) break;
            const quint32 index = ascii_index(c);
            if (c < 0x20 || (index == 0 && c != ' ')) return false;
            if (c != ' ') letters.push_back({index, x});
            x += ascii_advance(c);
        }
        if (i == text.size()) return true;
        const QString rest = text_of(text.substr(i));
        const QList<quint32> glyphs = set.raw.glyphIndexesForString(rest);
        if (glyphs.size() != rest.size()) return false;
        for (qsizetype k = 0; k < rest.size(); ++k) {
            if (rest[k].isSurrogate() || rest[k] < u' ' || (glyphs[k] == 0 && rest[k] != u' '))
                return false;
            if (rest[k] != u' ') letters.push_back({glyphs[k], x});
            x += advance_of(rest[k]);
        }
        return true;
    }
    // The device pixel at which `letter`'s coverage starts, for the pen at logical `pen`.
    static QPoint glyph_at(const Letter& letter, QPointF pen, const Coverage& g, int dpr) {
        return QPoint(static_cast<int>(std::lround((pen.x() + letter.x) * dpr)) + g.left,
                      static_cast<int>(std::lround(pen.y() * dpr)) + g.top);
    }
    bool draw_glyphs(QPainter& p, std::string_view text, QPointF pen, const QColor& colour) {
        QPoint origin;
        if (QImage* canvas = direct_canvas_at(p, origin)) {
            int takes = std::numeric_limits<int>::max();  // large letters take no quarters
            return blend_glyphs(*canvas, origin, text, pen, colour.rgb(), canvas->rect(), takes);
        }
        const int dpr = static_cast<int>(std::lround(p.device()->devicePixelRatioF()));
        Glyphs& set = glyph_set(dpr);
        if (!set.raw.isValid() || !letters_of(text, set, scratch)) return false;
        for (const Letter& letter : scratch) {
            const Coverage& g = set.coverage(letter.index);
            p.drawImage(QPointF(glyph_at(letter, pen, g, dpr)) / dpr,
                        set.picture(letter.index, colour));
        }
        return true;
    }
    // `clip` and the result are in device pixels; `origin` is where the painter's (0, 0) is.
    // Small letters stand where the toolkit puts them, at quarter pixels; large ones on whole
    // pixels, as draw_glyphs() puts them.
    //
    // A small letter's quarter not taken yet is taken with a painter begun for it. A key takes
    // the few its new numbers need, up to `takes`; past that (a start-up's first paint has most
    // of its letters to take) the whole line is left to the toolkit instead, the same pixels,
    // and its quarters are taken between keys (take_wanted_quarters).
    bool blend_glyphs(QImage& canvas, QPoint origin, std::string_view text, QPointF pen,
                      QRgb colour, const QRect& clip, int& takes) {
        const int dpr = static_cast<int>(canvas.devicePixelRatio());
        Glyphs& set = glyph_set(dpr);
        if (!set.raw.isValid() || !letters_of(text, set, scratch)) return false;
        if (cell * dpr < kLargeCell) {
            int missing = 0;
            QPoint at;
            for (const Letter& letter : scratch)
                missing += quarter_at(letter, pen, dpr, at, false) == nullptr;
            if (missing > takes) {
                want_quarters(text, pen, dpr);
                return false;
            }
            takes -= missing;
            // Each is looked up just before it is blended: taking one may empty a full store.
            for (const Letter& letter : scratch) {
                const Coverage* g = quarter_at(letter, pen, dpr, at, true);
                blend(canvas, origin, *g, at, colour, clip);
            }
            return true;
        }
        for (const Letter& letter : scratch) {
            const Coverage& g = set.coverage(letter.index);
            blend(canvas, origin, g, glyph_at(letter, pen, g, dpr), colour, clip);
        }
        return true;
    }
    static void blend(QImage& canvas, QPoint origin, const Coverage& g, QPoint at, QRgb colour,
                      const QRect& clip) {
        if (g.mask.isNull()) return;
        const int dpr = static_cast<int>(canvas.devicePixelRatio());
        blend_coverage(canvas, at + origin * dpr, g.mask.constBits(), g.mask.size(),
                       g.mask.bytesPerLine(), colour, clip);
    }
    struct WantedQuarters {
        std::string text;
        QPointF pen;
        int dpr;
    };
    std::vector<WantedQuarters> wanted_quarters{};
    void want_quarters(std::string_view text, QPointF pen, int dpr) {
        static constexpr size_t kMostLines = 256;
        if (wanted_quarters.size() >= kMostLines) wanted_quarters.clear();
        wanted_quarters.push_back({std::string(text), pen, dpr});
    }
    // Takes the quarters of one line drawn so far without them; false when there is none.
    bool take_wanted_quarters() {
        return do_one(wanted_quarters,
                      [this](const WantedQuarters& w) { prepare_glyphs(w.text, w.pen, w.dpr); });
    }
    // Renders, without drawing, what blend_glyphs() would blend for `text` with the pen at `pen`.
    void prepare_glyphs(std::string_view text, QPointF pen, int dpr) {
        Glyphs& set = glyph_set(dpr);
        if (!set.raw.isValid() || !letters_of(text, set, scratch)) return;
        for (const Letter& letter : scratch) prepare_letter(set, letter, pen, dpr);
    }
    // Renders `letter`'s coverage as blend_glyphs() blends it.
    void prepare_letter(Glyphs& set, const Letter& letter, QPointF pen, int dpr) {
        QPoint at;
        if (cell * dpr < kLargeCell)
            quarter_at(letter, pen, dpr, at, true);
        else
            set.coverage(letter.index);
    }

    // The toolkit places a small glyph at a quarter of a device pixel, rendered apart for each
    // quarter (and for the fraction of the baseline's height). Its coverage there is taken once
    // from the toolkit's own drawing of it on a scratch image: the same pixels, at the same
    // place. `at` is set to where the coverage starts on the canvas.
    // Null, when not `make`, for a quarter not taken yet.
    const Coverage* quarter_at(const Letter& letter, QPointF pen, int dpr, QPoint& at, bool make) {
        const double x = (pen.x() + letter.x) * dpr, y = pen.y() * dpr;
        int whole = static_cast<int>(std::floor(x));
        // The toolkit counts in 64ths and takes the quarter of the position plus one 64th.
        int q = (static_cast<int>(std::lround((x - whole) * 64)) + 1) / 16;
        if (q == 4) ++whole, q = 0;
        const double row = std::floor(y);
        const Coverage* g = quarter(letter.index, q, y - row, dpr, make);
        if (g) at = QPoint(whole + g->left, static_cast<int>(row) + g->top);
        return g;
    }
    const Coverage* quarter(quint32 index, int q, double below, int dpr, bool make) {
        const uint64_t place =
            (uint64_t(dpr & 3) << 35) | (uint64_t(std::lround(below * 128) & 0xFF) << 40);
        // The letters of a text share the baseline's fraction: a table for the last one's.
        if (place != recent_place) {
            recent.fill(nullptr);
            recent_place = place;
        }
        const Coverage** fast = index < kRecent ? &recent[index * 4 + q] : nullptr;
        if (fast && *fast) return *fast;
        const uint64_t key = index | (uint64_t(q) << 32) | place;
        auto it = quarters.find(key);
        if (it != quarters.end()) {
            if (fast) *fast = &it->second;
            return &it->second;
        }
        if (!make) return nullptr;
        if (quarters.size() > 4 * kMaxGlyphs) {
            quarters.clear();
            recent.fill(nullptr);
        }
        // The pen at a whole pixel (even, so that it is whole at either ratio) plus the quarter.
        const int side = (2 * cell * dpr + 16) & ~1, pen_x = side / 4 & ~1, pen_y = side / 2 & ~1;
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        image.setDevicePixelRatio(dpr);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            p.setPen(Qt::black);
            QGlyphRun one;
            one.setRawFont(raw);
            one.setGlyphIndexes({index});
            one.setPositions({QPointF(0, 0)});
            p.drawGlyphRun(QPointF((pen_x + q / 4.0) / dpr, (pen_y + below) / dpr), one);
        }
        int left = side, right = -1, top = side, bottom = -1;
        for (int y = 0; y < side; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            int x = 0;
            while (x < side && line[x] == 0) ++x;
            if (x == side) continue;
            left = std::min(left, x);
            int last = side - 1;
            while (line[last] == 0) --last;
            right = std::max(right, last);
            top = std::min(top, y), bottom = y;
        }
        const QRect box =
            right < 0 ? QRect() : QRect(left, top, right - left + 1, bottom - top + 1);
        QImage mask;
        if (!box.isEmpty()) {
            mask = QImage(box.size(), QImage::Format_Alpha8);
            for (int y = 0; y < box.height(); ++y) {
                const auto* from =
                    reinterpret_cast<const QRgb*>(image.constScanLine(box.top() + y));
                uchar* to = mask.scanLine(y);
                for (int x = 0; x < box.width(); ++x)
                    to[x] = static_cast<uchar>(qAlpha(from[box.left() + x]));
            }
        }
        const Coverage& made =
            quarters.emplace(key, Coverage{std::move(mask), box.left() - pen_x, box.top() - pen_y})
                .first->second;
        if (fast) *fast = &made;
        return &made;
    }
    std::unordered_map<uint64_t, Coverage> quarters{};  // nodes stay put as others come
    static constexpr quint32 kRecent = 512;
    std::array<const Coverage*, 4 * kRecent> recent{};
    uint64_t recent_place = ~uint64_t{0};
    std::vector<Letter> scratch{};
    double advance_of(QChar letter) {
        const char16_t c = letter.unicode();
        return c < 0x80 ? ascii_advance(c) : metrics().horizontalAdvance(letter);
    }
    double ascii_advance(unsigned c) {
        double& a = advance[c];
        if (a >= 0) return a;
        if (c >= 0x20 && c < 0x7F && scale_design_advances()) return a;
        const quint32 index = ascii_index(c);
        a = index != 0 ? raw.advancesForGlyphIndexes(QList<quint32>{index}).value(0).x()
                       : metrics().horizontalAdvance(QChar(c));  // from the font standing in
        return a;
    }
    // The font's design advances of the printable ASCII letters, read once per weight.
    struct Design {
        bool valid = false;
        double units_per_em = 0;
        std::array<quint32, 128> index{};
        std::array<double, 128> units{};
    };
    static const Design& design(const QRawFont& raw, bool bold) {
        static std::array<std::optional<Design>, 2> made;
        std::optional<Design>& d = made[bold ? 1 : 0];
        if (d) return *d;
        d.emplace();
        QString letters;
        for (char16_t c = 0x20; c < 0x7F; ++c) letters += QChar(c);
        QRawFont at_em = raw;
        at_em.setPixelSize(raw.unitsPerEm());
        const QList<quint32> indexes = at_em.glyphIndexesForString(letters);
        if (indexes.size() != letters.size() || indexes.contains(0)) return *d;
        const QList<QPointF> advances = at_em.advancesForGlyphIndexes(indexes);
        if (advances.size() != indexes.size()) return *d;
        for (qsizetype i = 0; i < letters.size(); ++i) {
            d->index[letters[i].unicode()] = indexes[i];
            d->units[letters[i].unicode()] = advances[i].x();
        }
        d->units_per_em = raw.unitsPerEm();
        d->valid = true;
        return *d;
    }
    // Where the toolkit scales the design advances to this size without hinting them across
    // (it truncates to 1/64 of a pixel), every printable letter's advance follows from them:
    // reading each letter's advance at a new size loads its glyph, which was most of measuring
    // a text in a new size, and the story's fit tries several. Three letters read at this size
    // tell whether it scales so; where it does not (a configuration that hints across), each
    // letter is read at this size as before.
    bool scale_design_advances() {
        if (scaling_tried) return scaling;
        scaling_tried = true;
        const Design& d = design(raw, font.bold());
        if (!d.valid) return false;
        const double pixels = raw.pixelSize();
        const auto scaled = [&](unsigned c) {
            return std::floor(d.units[c] * pixels * 64 / d.units_per_em) / 64;
        };
        const QList<QPointF> read =
            raw.advancesForGlyphIndexes(QList<quint32>{d.index['a'], d.index['e'], d.index['W']});
        if (read.size() != 3 || read[0].x() != scaled('a') || read[1].x() != scaled('e') ||
            read[2].x() != scaled('W'))
            return false;
        for (unsigned c = 0x20; c < 0x7F; ++c) {
            advance[c] = scaled(c);
            ascii_glyph[c] = d.index[c];
        }
        return scaling = true;
    }
    bool scaling_tried = false, scaling = false;
    // The font's glyph for an ASCII character, 0 where it has none.
    quint32 ascii_index(unsigned c) {
        quint32& index = ascii_glyph[c];
        if (index == kUnknown) {
            const QList<quint32> found =
                raw.glyphIndexesForString(QString(QChar(static_cast<char16_t>(c))));
            index = found.size() == 1 ? found[0] : 0;
        }
        return index;
    }

    Glyphs& glyph_set(qreal dpr) {
        for (Glyphs& set : glyph_sets)
            if (set.raw_dpr == dpr) return set;
        QRawFont scaled = raw;
        scaled.setPixelSize(raw.pixelSize() * dpr);
        return glyph_sets.emplace_back(Glyphs{std::move(scaled), dpr, {}, {}});
    }
    std::vector<Glyphs> glyph_sets{};  // one per device pixel ratio
    static constexpr size_t kMaxGlyphs = 2048;

    // ASCII text as a run of the font's glyphs at the advances width() sums: the pixels the
    // toolkit's own drawing of it gives, without shaping the text first. A move's numbers are
    // new texts each time, and shaping them was most of their drawing. Null for a text with
    // other letters, or with a letter the font lacks (another font would stand in for it).
    const QGlyphRun* ascii_run(std::string_view text) {
        QList<quint32> indexes(static_cast<qsizetype>(text.size()));
        QList<QPointF> positions(static_cast<qsizetype>(text.size()));
        double x = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 0x80 || c < 0x20) return nullptr;
            const quint32 index = ascii_index(c);
            if (index == 0 && c != ' ') return nullptr;
            indexes[static_cast<qsizetype>(i)] = index;
            positions[static_cast<qsizetype>(i)] = QPointF(x, 0);
            x += ascii_advance(c);
        }
        run.setRawFont(raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        return &run;
    }
    static constexpr quint32 kUnknown = ~quint32{0};
    std::array<quint32, 128> ascii_glyph = [] {
        std::array<quint32, 128> unknown;
        unknown.fill(kUnknown);
        return unknown;
    }();
    QGlyphRun run{};

    // The text shaped once for good, from its second drawing on; a text drawn only once (most
    // of the first paint) is not worth keeping. Null the first time.
    const QStaticText* glyphs(std::string_view text) {
        auto it = shaped.find(std::string(text));
        if (it == shaped.end()) {
            if (shaped.size() >= kMaxShaped) shaped.clear();
            shaped.emplace(std::string(text), QStaticText());
            return nullptr;
        }
        QStaticText& run = it->second;
        if (run.text().isEmpty()) {
            run.setText(text_of(text));
            run.setTextFormat(Qt::PlainText);
            run.setPerformanceHint(QStaticText::AggressiveCaching);
            run.prepare(QTransform(), font);
        }
        return &run;
    }
};

namespace {

constexpr int32_t kDefaultCell = 16;  // what a zero height stands for

// Fonts are made once per size and device resolution and kept for the run.
using FontKey = std::tuple<int32_t, bool, int>;
std::map<FontKey, std::unique_ptr<QtSurface::FontEntry>>& font_cache() {
    static std::map<FontKey, std::unique_ptr<QtSurface::FontEntry>> cache;
    return cache;
}

QtSurface::FontEntry& font_entry(const Font& f, const QPaintDevice* device) {
    using Key = FontKey;
    auto& cache = font_cache();
    const int dpi = device ? device->logicalDpiY() : 96;
    const Key key{f.height, f.bold(), dpi};
    auto it = cache.find(key);
    if (it != cache.end()) return *it->second;

    const auto font_of = [](bool bold, int pixels) {
        QFont font(QtSurface::arial_family());
        font.setStyleHint(QFont::SansSerif);
        font.setBold(bold);
        font.setKerning(false);
        font.setPixelSize(pixels);
        return font;
    };
    // The weight's font file, as the font configuration gives it once; every size is made
    // from it.
    static std::array<QRawFont, 2> weights;
    const auto sized = [&font_of](const QFont& font) {
        QRawFont& weight = weights[font.bold() ? 1 : 0];
        if (!weight.isValid()) weight = QRawFont::fromFont(font_of(font.bold(), kDefaultCell));
        QRawFont raw = weight;
        raw.setPixelSize(font.pixelSize());
        return raw.isValid() ? raw : QRawFont::fromFont(font);
    };
    // The cell (ascent + descent) is what a positive height asks for; a negative height asks
    // for the em size itself.
    static const double cell_per_em = [&] {
        const QRawFont probe = sized(font_of(false, 1000));
        const double cell = probe.ascent() + probe.descent();
        return cell > 0 ? cell / 1000.0 : 1.15;
    }();
    const int32_t asked = f.height == 0 ? kDefaultCell : std::abs(f.height);
    const double em = f.height < 0 ? asked : asked / cell_per_em;
    const QFont font = font_of(f.bold(), std::max(1, static_cast<int>(std::lround(em))));
    QRawFont raw = sized(font);
    const double glyphs_cell = raw.ascent() + raw.descent();
    const int32_t cell = f.height > 0 ? f.height : static_cast<int32_t>(std::lround(glyphs_cell));
    // Centre the glyphs' own cell within the asked cell so that rounding shares out evenly.
    const double ascent = raw.ascent() + (cell - glyphs_cell) / 2.0;
    auto entry = std::make_unique<QtSurface::FontEntry>(
        QtSurface::FontEntry{.font = font, .raw = std::move(raw), .cell = cell, .ascent = ascent});
    entry->advance.fill(-1);
    return *cache.emplace(key, std::move(entry)).first->second;
}

}  // namespace

bool QtSurface::letters_wanted() {
    for (auto& [key, entry] : font_cache())
        if (!entry->wanted.empty() || !entry->wanted_quarters.empty()) return true;
    return false;
}

bool QtSurface::prepare_wanted_letters() {
    for (auto& [key, entry] : font_cache())
        if (entry->make_wanted_picture() || entry->take_wanted_quarters()) return true;
    return false;
}

QString QtSurface::arial_family() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* name : {"Liberation Sans", "Arimo", "Arial"})
            if (families.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QtSurface::QtSurface(QPainter& painter, Rect client, TileGrid* damage, TileGrid* inked,
                     TileGrid* drawn_on)
    : p_(painter),
      client_(client),
      font_(&font_entry(Font{}, painter.device())),
      damage_(damage),
      inked_(inked),
      drawn_on_(drawn_on) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QtSurface::ink(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (!damage_ && !inked_ && !drawn_on_) return;
    const QRect drawn(l, t, r - l, b - t);
    if (damage_) damage_->mark(drawn);
    if (inked_) inked_->mark(drawn);
    if (drawn_on_) drawn_on_->mark(drawn);
}

void QtSurface::blank(int32_t l, int32_t t, int32_t r, int32_t b) {
    const QRect area(l, t, r - l, b - t);
    if (drawn_on_) drawn_on_->mark(area);
    if (!inked_) {
        if (damage_) damage_->mark(area);
        return;
    }
    if (damage_) damage_->mark_where(area, *inked_);  // white over white changes nothing
    inked_->unmark_inside(area);
}

void QtSurface::SelectObject(const Font& font) {
    font_ = &font_entry(font, p_.device());
}

void QtSurface::whiten(int32_t l, int32_t t, int32_t r, int32_t b) {
    const QRect area(l, t, r - l, b - t);
    // At a fractional pixel ratio ink may reach a device pixel of the next tile.
    const qreal dpr = p_.device()->devicePixelRatioF();
    const bool everywhere = !inked_ || dpr != std::floor(dpr);
    const std::vector<QRect> parts =
        everywhere ? std::vector<QRect>{area} : inked_->marked_parts(area);
    blank(l, t, r, b);
    QImage* canvas = direct_canvas(p_);
    for (const QRect& part : parts) {
        if (canvas)
            fill_rect(*canvas, part, 0xFFFFFFFFu);
        else
            p_.fillRect(part, Qt::white);
    }
}

void QtSurface::fill(const QRect& r, const QColor& colour) {
    if (QImage* canvas = direct_canvas(p_))
        fill_rect(*canvas, r, colour.rgb());
    else
        p_.fillRect(r, colour);
}

void QtSurface::FillRect(const Rect& r, const Brush& brush) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (brush.colour == 0xFFFFFF) {
        whiten(r.left, r.top, r.right, r.bottom);
        return;
    }
    ink(r.left, r.top, r.right, r.bottom);
    fill(QRect(r.left, r.top, r.width(), r.height()), to_qcolor(brush.colour));
}

void QtSurface::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (r <= l || b <= t) return;
    const bool white_inside = brush_.colour == 0xFFFFFF;
    if (pen_.colour == 0xFFFFFF && white_inside) {
        whiten(l, t, r, b);
        return;
    }
    const QColor pen = to_qcolor(pen_.colour);
    const int32_t w = r - l, h = b - t;
    if (white_inside && w > 2 && h > 2) {
        // A frame around white (the story's panel): only the frame is ink, and the inside is
        // painted where it held ink, so that clearing it again costs what was drawn in it.
        whiten(l + 1, t + 1, r - 1, b - 1);
        ink(l, t, r, t + 1);
        ink(l, b - 1, r, b);
        ink(l, t + 1, l + 1, b - 1);
        ink(r - 1, t + 1, r, b - 1);
    } else {
        ink(l, t, r, b);
        if (w > 2 && h > 2) fill(QRect(l + 1, t + 1, w - 2, h - 2), to_qcolor(brush_.colour));
    }
    fill(QRect(l, t, w, 1), pen);
    fill(QRect(l, b - 1, w, 1), pen);
    fill(QRect(l, t, 1, h), pen);
    fill(QRect(r - 1, t, 1, h), pen);
}

void QtSurface::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (r - l < 2 || b - t < 2) return;
    ink(l, t, r, b);
    p_.setPen(QPen(to_qcolor(pen_.colour), 0));
    p_.setBrush(to_qcolor(brush_.colour));
    p_.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void QtSurface::LineTo(int32_t x, int32_t y) {
    const QColor pen = to_qcolor(pen_.colour);
    const int32_t x0 = x_, y0 = y_;
    x_ = x;
    y_ = y;
    if (y0 == y || x0 == x)
        ink(std::min(x0, x), std::min(y0, y), std::max(x0, x) + 1, std::max(y0, y) + 1);
    if (y0 == y) {  // horizontal: from x0 up to but not including x
        if (x > x0) fill(QRect(x0, y, x - x0, 1), pen);
        if (x < x0) fill(QRect(x + 1, y, x0 - x, 1), pen);
        return;
    }
    if (x0 == x) {
        if (y > y0) fill(QRect(x, y0, 1, y - y0), pen);
        if (y < y0) fill(QRect(x, y + 1, 1, y0 - y), pen);
        return;
    }
    // Bresenham, leaving out the end pixel.
    const int32_t dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int32_t dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int32_t err = dx + dy;
    int32_t cx = x0, cy = y0;
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(std::max(dx, -dy)));
    while (cx != x || cy != y) {
        points.emplace_back(cx, cy);
        const int32_t e2 = 2 * err;
        if (e2 >= dy) err += dy, cx += sx;
        if (e2 <= dx) err += dx, cy += sy;
    }
    // A slanting line's tiles, not its bounding box: a long segment's box holds many times the
    // pixels it draws. The points are cut where they pass into another row of tiles.
    for (size_t i = 0; i < points.size();) {
        const int band = points[i].y() / TileGrid::kTile;
        int32_t l = points[i].x(), r = l, t = points[i].y(), b = t;
        for (; i < points.size() && points[i].y() / TileGrid::kTile == band; ++i) {
            l = std::min(l, points[i].x()), r = std::max(r, points[i].x());
            t = std::min(t, points[i].y()), b = std::max(b, points[i].y());
        }
        ink(l, t, r + 1, b + 1);
    }
    // Written straight into the canvas: the painter takes most of a Down's drawing on a long
    // segment, and draws each point as a single device pixel, a dotted line at a ratio of 2.
    if (QImage* canvas = direct_canvas(p_)) {
        put_points(*canvas, points, pen.rgb());
        return;
    }
    p_.setPen(QPen(pen, 0));
    p_.drawPoints(points.data(), static_cast<int>(points.size()));
}

void QtSurface::DrawText(std::string_view text, Rect& rect, int format) {
    FontEntry& f = *font_;
    const auto* placed =
        lines_to_draw(text, rect, format, f.cell, [&f](std::string_view s) { return f.width(s); });
    if (!placed) return;
    const std::vector<PlacedLine>& lines = *placed;
    // Ink goes only where the letters are, within the clip: a number in a wide box changes
    // only the pixels about it.
    const int32_t m = glyph_overhang(f.cell);
    int32_t l = rect.right, t = rect.bottom, r = rect.left, b = rect.top;
    for (const PlacedLine& line : lines) {
        if (line.y >= rect.bottom) break;
        if (line.text.empty()) continue;
        l = std::min(l, line.x - m);
        t = std::min(t, line.y - m);
        r = std::max(r, line.x + static_cast<int32_t>(std::ceil(f.width(line.text))) + m);
        b = std::max(b, line.y + f.cell + m);
    }
    // Text is clipped to its rectangle; most texts lie well inside it, and need no clip.
    const bool clip = l < rect.left || t < rect.top || r > rect.right || b > rect.bottom;
    l = std::max(l, rect.left), t = std::max(t, rect.top);
    r = std::min(r, rect.right), b = std::min(b, rect.bottom);
    if (l < r && t < b) ink(l, t, r, b);
    const QRect logical_clip(rect.left, rect.top, rect.width(), rect.height());
    QPoint origin;
    QImage* canvas = direct_canvas_at(p_, origin);
    const int d = canvas ? static_cast<int>(canvas->devicePixelRatio()) : 1;
    const QRect device_clip =
        clip     ? QRect(logical_clip.topLeft() * d + origin * d, logical_clip.size() * d)
        : canvas ? canvas->rect()
                 : QRect();
    bool clipped = false;
    const QColor colour = to_qcolor(text_colour_);
    const bool as_picture = f.cell * p_.device()->devicePixelRatioF() >= FontEntry::kLargeCell &&
                            p_.paintEngine() && p_.paintEngine()->type() == QPaintEngine::Raster;
    for (const PlacedLine& line : lines) {
        if (line.y >= rect.bottom) break;
        if (line.text.empty()) continue;
        const QPointF pen(line.x, line.y + f.ascent);
        if (canvas &&
            f.blend_glyphs(*canvas, origin, line.text, pen, colour.rgb(), device_clip, takes_))
            continue;
        if (clip && !clipped) {
            p_.setClipRect(logical_clip);
            clipped = true;
        }
        p_.setPen(colour);
        if (as_picture) {
            const qreal dpr = p_.device()->devicePixelRatioF();
            const QImage* image = f.picture(line.text, colour, dpr);
            if (!image && f.draw_glyphs(p_, line.text, pen, colour)) continue;
            if (!image) image = f.render(line.text, colour, dpr);  // a letter the font lacks
            p_.drawImage(QPoint(line.x - f.margin(), line.y - f.margin()), *image);
        } else if (const QGlyphRun* glyphs = f.ascii_run(line.text)) {
            p_.drawGlyphRun(pen, *glyphs);
        } else if (const QStaticText* run = f.glyphs(line.text)) {
            p_.setFont(f.font);
            p_.drawStaticText(QPointF(line.x, line.y + f.ascent - f.raw.ascent()), *run);
        } else {
            p_.setFont(f.font);
            p_.drawText(pen, text_of(line.text));
        }
    }
    if (clipped) p_.setClipping(false);
}

void QtSurface::prepare_text(std::string_view text, Rect rect, int format) {
    FontEntry& f = *font_;
    const int dpr = static_cast<int>(std::lround(p_.device()->devicePixelRatioF()));
    const auto* placed =
        lines_to_draw(text, rect, format, f.cell, [&f](std::string_view s) { return f.width(s); });
    if (!placed) return;
    for (const PlacedLine& line : *placed) {
        if (line.y >= rect.bottom) break;
        if (!line.text.empty())
            f.prepare_glyphs(line.text, QPointF(line.x, line.y + f.ascent), dpr);
    }
}

void QtSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
    ink(x, y, client_.right, y + font_->cell);
    const QPointF pen(x, y + font_->ascent);
    QPoint origin;
    QImage* canvas = direct_canvas_at(p_, origin);
    if (canvas && font_->blend_glyphs(*canvas, origin, text, pen, to_qcolor(text_colour_).rgb(),
                                      canvas->rect(), takes_))
        return;
    p_.setFont(font_->font);
    p_.setPen(to_qcolor(text_colour_));
    p_.drawText(pen, text_of(text));
}

Size QtSurface::GetTextExtentPoint32(std::string_view text) {
    return Size{static_cast<int32_t>(std::lround(font_->width(text))), font_->cell};
}

}  // namespace zarvo
