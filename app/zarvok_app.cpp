#include "app/zarvok_app.h"

#include <time.h>

#include <QAccessible>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/board_accessible.h"
#include "app/language.h"
#include "app/main_frame.h"
#include "app/zarvok_view.h"

namespace zarvo {

CZarvokApp::CZarvokApp(CommandLine line) : line_(std::move(line)) {}

CZarvokApp::~CZarvokApp() {
    delete frame_;
}

bool CZarvokApp::InitInstance() {
    QGuiApplication::setDesktopFileName(QStringLiteral("zarvok"));
    // The game keeps no settings. Qt's own file dialogs would remember their last folder in
    // the user's configuration; they remember it in a folder of ours that goes with the program.
    settings_dir_ = std::make_unique<QTemporaryDir>();
    if (settings_dir_->isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir_->path());
    }

    // The document first: a file that cannot be opened ends the program before any window or
    // sound device is set up.
    const std::optional<std::string>& name = line_.print_file ? line_.print_file : line_.file;
    if (name) {
        const std::string& file = *name;
        QString error;
        if (!doc_.OnOpenDocument(file, error)) {
            const QString message = tr_text("CommandLine", "zarvok: cannot open '%1': %2")
                                        .arg(QString::fromLocal8Bit(file.c_str()), error);
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
            exit_status_ = 1;
            return false;
        }
    }

    QAccessible::installFactory(board_accessible);
    ProblemChooser chooser;
    if (line_.problem >= 0) chooser.play_next(line_.problem);
    view_ = new CZarvokView(std::move(chooser));
    frame_ = new CMainFrame(doc_, view_);
    view_->set_document_title(doc_.title());
    frame_->update_caption();

    if (line_.print_file) {
        view_->OnFilePrint(true);  // declines: no game is over yet
        exit_status_ = 0;
        return false;
    }

    // For start-up measurements: report the end of the first complete paint on stderr.
    if (const char* report = std::getenv("ZARVOK_REPORT_FIRST_PAINT")) {
        const bool quit = std::string(report) == "exit";
        QObject::connect(view_, &CZarvokView::firstPaintDone, view_, [this, quit] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const QPoint at = view_->mapToGlobal(QPoint(0, 0));
            std::fprintf(stderr, "zarvok: first paint done at %lld ns, view at %d,%d size %dx%d\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, at.x(),
                         at.y(), view_->width(), view_->height());
            if (quit) QCoreApplication::exit(0);
        });
        QObject::connect(view_, &CZarvokView::laidOutAgain, view_, [this] {
            const QPoint at = view_->mapToGlobal(QPoint(0, 0));
            std::fprintf(stderr, "zarvok: laid out again, view at %d,%d size %dx%d\n", at.x(),
                         at.y(), view_->width(), view_->height());
        });
    }

    frame_->show_maximized();
    return true;
}

}  // namespace zarvo
