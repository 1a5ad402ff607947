#include "app/window_pixels.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QWindow>
#include <cmath>

namespace zarvo {

namespace {

// The widget's top left on its window's pixels.
QPoint place_of(const QWidget& widget) {
    return widget.mapTo(widget.window(), QPoint(0, 0)) * widget.devicePixelRatioF();
}

// The image the toolkit keeps for the widget's window, on the platforms that keep one.
const QImage* image_of_window(const QWidget& widget) {
    static const bool one_image_per_window =
        QGuiApplication::platformName() == "xcb" || QGuiApplication::platformName() == "offscreen";
    QBackingStore* store = one_image_per_window ? widget.backingStore() : nullptr;
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return nullptr;
    return static_cast<const QImage*>(device);
}

}  // namespace

const QImage* WindowPixels::of(const QWidget& widget) {
    const QImage* image = image_of_window(widget);
    const qreal dpr = widget.devicePixelRatioF();
    // X keeps a window without alpha in premultiplied pixels whose alpha it ignores.
    const QImage::Format format = image ? image->format() : QImage::Format_Invalid;
    const QWindow* native = widget.window()->windowHandle();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        !native || native->format().hasAlpha() || dpr != std::floor(dpr) ||
        image->size() != widget.window()->size() * dpr ||
        !image->rect().contains(QRect(place_of(widget), widget.size() * dpr)))
        return nullptr;
    return image;
}

QImage WindowPixels::attach(const QWidget& widget) {
    detach();
    const QImage* window = of(widget);
    if (!window) return QImage();
    bits_ = window->constBits();
    size_ = window->size();
    stride_ = window->bytesPerLine();
    at_ = place_of(widget);
    const qreal dpr = widget.devicePixelRatioF();
    // Writable rows of the window's image, which the toolkit itself paints through as well;
    // the view shares them without owning them.
    auto* first = const_cast<uchar*>(bits_) + at_.y() * stride_ + at_.x() * sizeof(QRgb);
    QImage view(first, static_cast<int>(widget.width() * dpr),
                static_cast<int>(widget.height() * dpr), stride_, window->format());
    view.setDevicePixelRatio(dpr);
    return view;
}

bool WindowPixels::hold(const QWidget& widget) const {
    // The window and the widget may already have their new sizes while the image is the old.
    const QImage* window = attached() ? image_of_window(widget) : nullptr;
    return window && window->constBits() == bits_ && window->size() == size_ &&
           window->bytesPerLine() == stride_ && place_of(widget) == at_;
}

bool WindowPixels::send(const QWidget& widget, const QRegion& region) const {
    const QWidget* top = widget.window();
    QBackingStore* store = attached() ? top->backingStore() : nullptr;
    QWindow* window = top->windowHandle();
    if (!store || !window || !window->handle() || !window->isExposed()) return false;
    store->flush(region.translated(widget.mapTo(top, QPoint(0, 0))), window);
    return true;
}

bool WindowPixels::paints_on(const QPainter& painter, const uchar* bits) {
    // A widget's painter paints on what the toolkit redirected it to, which its engine knows.
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    return device && device->devType() == QInternal::Image &&
           static_cast<const QImage*>(device)->constBits() == bits;
}

}  // namespace zarvo
