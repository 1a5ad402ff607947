// The start-up baseline: a bare Qt program that shows a maximized window, paints it white,
// reports the end of that paint the way zarvok does, and ends. With --menu the window also has
// a menu bar with one menu, which is the least text a window can show: it shows what loading
// the fonts alone costs.
#include <time.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>

class White : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (done_) return;
        done_ = true;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(stderr, "bare: first paint done at %lld ns\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        QCoreApplication::exit(0);
    }
    bool done_ = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow frame;
    auto* white = new White;
    frame.setCentralWidget(white);
    if (argc > 1 && std::strcmp(argv[1], "--menu") == 0) frame.menuBar()->addMenu("&File");
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.showMaximized();
    return app.exec();
}
