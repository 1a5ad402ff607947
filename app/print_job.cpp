// The print path of the view: the print dialog, then the one results page on the printer.
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/language.h"
#include "app/paper.h"
#include "app/qt_surface.h"
#include "app/zarvok_view.h"
#include "print/results_page.h"

namespace zarvo {

void CZarvokView::OnFilePrint(bool direct) {
    if (!OnPreparePrinting()) return;  // no game is over: nothing is printed or shown

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document_title_.left(31));
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer: a PDF file, on the system's paper (a printer has a default of its own).
        printer.setOutputFileName(QDir::home().filePath(
            //: The file name the print dialog offers when there is no printer
            tr_text("Print", "Zarvok results.pdf")));
        printer.setPageSize(QPageSize(system_paper()));
    }
    if (!direct) {
        QPrintDialog dialog(&printer, window());
        dialog.setWindowTitle(tr_text("Print", "Print"));
        const int answer = dialog.exec();
        window()->activateWindow();  // the keyboard comes back to the game, WM or not
        if (answer != QDialog::Accepted) return;
    }
    if (!prints_page_one(printer)) return;  // the one page is not in the range asked for

    window()->setEnabled(false);
    const bool started = print_page(printer);
    window()->setEnabled(true);
    if (!started)
        QMessageBox::warning(window(), QStringLiteral("Zarvok"),
                             tr_text("Print", "Could not start print job."));
}

bool CZarvokView::prints_page_one(const QPrinter& printer) {
    return printer.printRange() != QPrinter::PageRange || printer.fromPage() <= 1;
}

bool CZarvokView::print_page(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The drawing rectangle is the printable area, in the printer's pixels, from its top left.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    OnBeginPrinting(painter);
    OnPrint(painter, QRect(0, 0, page.width(), page.height()));
    OnEndPrinting(painter);
    return painter.end();
}

void CZarvokView::OnPrint(QPainter& painter, const QRect& page) {
    QtSurface dc(painter, Rect{0, 0, page.width(), page.height()});
    draw_results_page(dc, board_, page.width(), page.height());
}

}  // namespace zarvo
