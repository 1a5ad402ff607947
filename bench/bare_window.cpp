// The start-up baseline: a bare Qt program that shows a maximized window, paints it white,
// reports the end of that paint the way zarvok does, and ends. With --menu the window also has
// a menu bar with one menu, which is the least text a window can show: it shows what loading
// the fonts alone costs.
//
// With --keys [WxH] it is the baseline of the key-to-pixels benchmark instead: it stays, and
// Up repaints an 8x8 square, Down the whole window, Left a W by H rectangle at the top left
// (each in a colour that alternates, so the pixels really change).
#include <time.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>

class White : public QWidget {
  public:
    bool keys = false;
    QSize area;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        dark_ = !dark_;
        if (event->key() == Qt::Key_Up) update(QRect(16, 16, 8, 8));
        if (event->key() == Qt::Key_Down) update();
        if (event->key() == Qt::Key_Left) update(QRect(QPoint(0, 0), area));
    }
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), dark_ ? QColor(230, 230, 230) : QColor(Qt::white));
        if (done_ || keys) return;
        done_ = true;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(stderr, "bare: first paint done at %lld ns\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        QCoreApplication::exit(0);
    }
    bool done_ = false;
    bool dark_ = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow frame;
    auto* white = new White;
    frame.setCentralWidget(white);
    frame.setWindowTitle(QStringLiteral("bare"));
    if (argc > 1 && std::strcmp(argv[1], "--menu") == 0) frame.menuBar()->addMenu("&File");
    if (argc > 1 && std::strcmp(argv[1], "--keys") == 0) {
        white->keys = true;
        int w = 0, h = 0;
        if (argc > 2 && std::sscanf(argv[2], "%dx%d", &w, &h) == 2) white->area = QSize(w, h);
        white->setFocusPolicy(Qt::StrongFocus);
        white->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.showMaximized();
    if (white->keys) {
        frame.activateWindow();
        white->setFocus();
        std::fprintf(stderr, "bare: ready\n");
    }
    return app.exec();
}
