// A widget's part of its window's own pixels, as an image to draw on between paints. On X and
// on the offscreen platform the toolkit keeps one image per window and sends the screen what was
// painted on it, so a board drawn straight there spares a copy of every pixel it changes.
// Wayland hands the compositor buffers in turn; there the board keeps a canvas of its own.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QWidget>

namespace zarvo {

class WindowPixels {
  public:
    // A view of `widget`'s part of its window's pixels, when they are one 32-bit image of a
    // window without alpha, at a whole pixel ratio, that holds all of the widget; a null image
    // otherwise.
    QImage attach(const QWidget& widget);
    void detach() { bits_ = nullptr; }
    bool attached() const { return bits_ != nullptr; }
    // Whether the view still lies on the window's pixels: the window has kept its image (it
    // makes a new one for a new size or screen), and the widget its place in it.
    bool hold(const QWidget& widget) const;
    // Sends `region` of `widget` (in its own coordinates), drawn on the window's pixels, to the
    // screen at once, as the paint that follows an update would; false, with nothing sent,
    // when the view is not on the window's pixels or the window is not on the screen.
    bool send(const QWidget& widget, const QRegion& region) const;
    // Whether `painter` paints on the pixels the view lies on.
    bool painted_by(const QPainter& painter) const {
        return attached() && paints_on(painter, bits_);
    }
    // Whether `painter` paints on the image whose pixels start at `bits`.
    static bool paints_on(const QPainter& painter, const uchar* bits);

    // The window's pixels, when a widget may be drawn on them as attach() says.
    static const QImage* of(const QWidget& widget);

  private:
    const uchar* bits_ = nullptr;
    QSize size_;
    qsizetype stride_ = 0;
    QPoint at_;
};

}  // namespace zarvo
