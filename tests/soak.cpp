// A long session of the real game window on the offscreen platform, for the leak checkers:
// 100 games solved and restarted with Home, 10 results pages printed to PDF, the About box
// opened and closed, File New and the opening of a document. Exits 0 when everything went as
// expected.
#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/main_frame.h"
#include "app/zarvok_doc.h"
#include "app/zarvok_view.h"
#include "first_solution.h"

using namespace zarvo;

namespace {

int failures = 0;

void expect(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "soak: %s\n", what);
        ++failures;
    }
}

// The first solution of the problem, played.
void solve(CZarvokView& view) {
    const auto counts = testing::first_solution(view.board().game.problem());
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < counts[c]; ++i) view.OnKeyDown(VK_UP);
        view.OnKeyDown(VK_TAB);
    }
}

// Closes the next modal dialog that opens.
void close_next_dialog() {
    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (dialog && dialog->isVisible()) return dialog->reject();
        }
        close_next_dialog();  // not open yet
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    CZarvokDoc doc;
    ProblemChooser chooser([] { return int64_t{12345}; });
    auto* view = new CZarvokView(std::move(chooser));
    CMainFrame frame(doc, view);
    frame.show_maximized();
    while (!view->painted_once()) QApplication::processEvents(QEventLoop::AllEvents, 50);

    int pages = 0;
    for (int game = 0; game < 100; ++game) {
        view->board().chooser.play_next(game % kProblemCount);
        if (game > 0) view->OnKeyDown(VK_HOME);
        view->OnKeyDown(VK_SPACE);
        solve(*view);
        expect(view->board().game.game_over == 1, "a game was not solved");
        if (game % 10 == 0) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("page%1.pdf").arg(game)));
            pages += view->print_page(printer);
        }
        QApplication::processEvents();
    }
    expect(pages == 10, "not every page was printed");

    close_next_dialog();
    frame.OnAppAbout();
    frame.OnFileNew();
    QFile lesson(dir.filePath("lesson.txt"));
    expect(lesson.open(QIODevice::WriteOnly), "cannot make the file to open");
    lesson.close();
    expect(frame.open_document(lesson.fileName()), "File Open failed");
    expect(doc.title() == "lesson.txt", "File Open did not open the file");
    QApplication::processEvents();
    std::fprintf(stderr, "soak: %d games, %d pages, %d failures\n", 100, pages, failures);
    return failures == 0 ? 0 : 1;
}
