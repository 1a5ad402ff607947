#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "app/about_dlg.h"
#include "app/keys.h"
#include "app/language.h"
#include "app/x11_window.h"
#include "app/zarvok_doc.h"
#include "app/zarvok_view.h"

namespace zarvo {

namespace {

// Alt pressed and released alone does not hand the keyboard to the menu bar, where the next
// arrow key would open a menu instead of reaching the game; Alt with a letter and F10 still
// open the menus. A menu that Alt with a letter opened stays open when an Alt key event reaches
// it afterwards, as one does when a screen reader listens to the keyboard: the toolkit then
// passes each key on only once the reader has answered.
class NoAltAloneStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

CMainFrame::CMainFrame(CZarvokDoc& doc, CZarvokView* view)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      doc_(doc),
      view_(view) {
    setObjectName(QStringLiteral("CMainFrame"));
    // A screen reader names the window by the game alone: the title bar's banner, with its
    // date and time, would be read out whole at every start and every return to the window.
    setAccessibleName(QStringLiteral("Zarvo"));
    // The icon comes just after the first picture of the board: reading it makes the toolkit
    // load its image format plugins, most of a millisecond that the board need not wait for.
    connect(
        view_, &CZarvokView::firstPaintDone, this,
        [this] {
            QIcon icon(QStringLiteral(":/icons/zarvok-32.png"));
            icon.addFile(QStringLiteral(":/icons/zarvok-16.png"));
            setWindowIcon(icon);
        },
        Qt::QueuedConnection);
    setCentralWidget(view_);
    view_->set_require_maximized(true);
    view_->setFocus();

    file_menu_ = menuBar()->addMenu(tr_text("Menu", "&File"));
    file_menu_->addSeparator();
    print_ = file_menu_->addAction(tr_text("Menu", "&Print..."));
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print_->setShortcutContext(Qt::WindowShortcut);
    file_menu_->addSeparator();
    QAction* exit = file_menu_->addAction(tr_text("Menu", "E&xit"));
    help_menu_ = menuBar()->addMenu(tr_text("Menu", "&Help"));
    QAction* about = help_menu_->addAction(tr_text("Menu", "&About Zarvok..."));
    // A separator opens the File menu; Qt hides leading separators unless told otherwise.
    file_menu_->setSeparatorsCollapsible(false);

    auto* style = new NoAltAloneStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    // The menus take the style as they first open: given it here, each would load its font
    // before the first picture.
    for (QMenu* menu : {file_menu_, help_menu_})
        connect(menu, &QMenu::aboutToShow, menu, [menu, style] {
            if (menu->style() != style) menu->setStyle(style);
        });
    // A menu that closes (Escape, a command, a click elsewhere) gives the keyboard back to the
    // game at once, rather than leaving the menu bar holding it unseen.
    for (QMenu* menu : {file_menu_, help_menu_})
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (!QApplication::activePopupWidget() && isActiveWindow()) view_->setFocus();
            });
        });
    // F10 opens the menus from the keyboard, as on the desktops around it.
    auto* menu_key = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menu_key->setContext(Qt::WindowShortcut);
    connect(menu_key, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(file_menu_->menuAction()); });

    connect(print_, &QAction::triggered, this, [this] {
        OnUpdateFilePrint();  // asked again right before the command runs
        if (print_->isEnabled()) view_->OnFilePrint(false);
    });
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(about, &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(file_menu_, &QMenu::aboutToShow, this, &CMainFrame::OnUpdateFilePrint);
    connect(view_, &CZarvokView::gameChanged, this, &CMainFrame::OnUpdateFilePrint);
    // A window manager maximizes the frame into the screen's new work area itself; without
    // one, the frame follows the screen, so that the next paint sees the new size.
    connect(view_, &CZarvokView::screenChanged, this, [this] {
        if (!x11_window_manager_running()) fill_screen();
    });

    // The accelerators other than Print: each one consumes its key.
    for (const Accelerator& a : kAccelerators) {
        if (a.command == Accelerator::file_print) continue;
        auto* shortcut = new QShortcut(QKeySequence(a.keys), this);
        shortcut->setContext(Qt::WindowShortcut);
        switch (a.command) {
            case Accelerator::file_new:
                connect(shortcut, &QShortcut::activated, this, &CMainFrame::OnFileNew);
                break;
            case Accelerator::file_open:
                connect(shortcut, &QShortcut::activated, this, &CMainFrame::OnFileOpen);
                break;
            case Accelerator::file_save:
                connect(shortcut, &QShortcut::activated, this, &CMainFrame::OnFileSave);
                break;
            default:
                break;
        }
    }
    // Without a window manager nobody else turns Alt+F4 into a close request.
    auto* close_key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    close_key->setContext(Qt::ApplicationShortcut);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);

    OnUpdateFilePrint();
    update_caption();
}

void CMainFrame::show_maximized() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    winId();  // the native window, so that the hints go out before it is shown
    x11_offer_close_and_maximize(windowHandle());
    showMaximized();
    activateWindow();  // without a window manager nobody else gives the game the keyboard
}

void CMainFrame::fill_screen() {
    if (!windowHandle() || !windowHandle()->screen()) return;
    const QRect area = windowHandle()->screen()->availableGeometry();
    if (geometry() != area) setGeometry(area);
    // Placing the frame by hand drops its maximized state; it is still the maximized frame of
    // the screen.
    setWindowState(windowState() | Qt::WindowMaximized);
}

// Without a window manager nobody else keeps the frame on the screen: another client that
// moves or resizes it only has it put back, once Qt has taken in the new place.
void CMainFrame::hold_screen() {
    if (!isVisible() || !x11_without_window_manager()) return;
    QTimer::singleShot(0, this, [this] {
        const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
        if (screen && geometry() != screen->availableGeometry()) fill_screen();
    });
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    hold_screen();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    hold_screen();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isVisible()) return;
    // Minimized, the frame comes back as it was when the window manager restores it.
    if (windowState() & Qt::WindowMinimized) return;
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        // Un-maximized by the window manager: back to maximized; nothing is drawn meanwhile.
        // Asked only if the frame is still un-maximized by then, since a window manager may
        // take a second request as one to restore it.
        QTimer::singleShot(0, this, [this] {
            if (!(windowState() &
                  (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
                setWindowState(windowState() | Qt::WindowMaximized);
            check_maximized(0);
        });
    } else {
        view_->invalidate();
    }
}

// A window manager may pass over the request, as kwin may while the user still drags the
// title, and Qt then goes on believing the frame maximized; so the window manager's own word
// is read again a little later, and the request repeated while the frame is not kept.
void CMainFrame::check_maximized(int tries) {
    constexpr int kTries = 20;
    QTimer::singleShot(tries == 0 ? 300 : 1000, this, [this, tries] {
        if (!isVisible() || (windowState() & Qt::WindowMinimized)) return;
        if (x11_kept_maximized(windowHandle())) return;
        x11_ask_maximized(windowHandle());
        if (tries + 1 < kTries) check_maximized(tries + 1);
    });
}

void CMainFrame::update_caption() {
    setWindowTitle(doc_.title() + QStringLiteral(" - Zarvok"));
}

void CMainFrame::OnUpdateFilePrint() {
    print_->setEnabled(view_->OnUpdateFilePrint());
}

void CMainFrame::OnFileNew() {
    doc_.OnNewDocument();
    document_changed();
}

void CMainFrame::OnFileOpen() {
    QFileDialog dialog(this, tr_text("Files", "Open"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr_text("Files", "All Files (*)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const int answer = dialog.exec();
    activateWindow();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    open_document(dialog.selectedFiles().first());
}

bool CMainFrame::open_document(const QString& path) {
    QString error;
    if (!doc_.OnOpenDocument(QFile::encodeName(path).toStdString(), error)) {
        QMessageBox::warning(this, QStringLiteral("Zarvok"),
                             tr_text("Files", "Cannot open %1.\n%2").arg(path, error));
        return false;
    }
    document_changed();
    return true;
}

void CMainFrame::document_changed() {
    view_->set_document_title(doc_.title());
    update_caption();
    view_->invalidate();
}

void CMainFrame::OnFileSave() {
    if (const QString refusal = doc_.save_refusal(); !refusal.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Zarvok"), refusal);
        return;
    }
    QFileDialog dialog(this, tr_text("Files", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.selectFile(doc_.title());
    const int answer = dialog.exec();
    activateWindow();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().first();
    QString error;
    if (!doc_.OnSaveDocument(QFile::encodeName(chosen).toStdString(), error)) {
        QMessageBox::warning(this, QStringLiteral("Zarvok"),
                             tr_text("Files", "Cannot save %1.\n%2").arg(chosen, error));
        return;
    }
    document_changed();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(this);
    about.exec();
    activateWindow();
}

}  // namespace zarvo
