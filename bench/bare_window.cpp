// The start-up baseline: a bare Qt program that shows a maximized window, paints it white,
// reports the end of that paint the way zarvok does, and ends.
#include <time.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>

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
    White w;
    w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.showMaximized();
    return app.exec();
}
