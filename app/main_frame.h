// The main frame: a maximized window with a caption, the File and Help menus and the
// accelerators; no toolbar, no status bar, no resize border and no window buttons.
#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

namespace zarvo {

class CZarvokDoc;
class CZarvokView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(CZarvokDoc& doc, CZarvokView* view);

    QAction* print_action() const { return print_; }
    QMenu* file_menu() const { return file_menu_; }
    QMenu* help_menu() const { return help_menu_; }

    // Shows the frame maximized, first placed on the screen's available area so that the first
    // paint happens at the final size even where no window manager maximizes it.
    void show_maximized();

    // "Untitled - Zarvok": the caption until the next paint writes the banner.
    void update_caption();
    void OnUpdateFilePrint();

    void OnFileNew();
    void OnFileOpen();
    // Opens `path` as the document, or says why not; the game is not touched either way.
    bool open_document(const QString& path);
    void OnFileSave();
    void OnAppAbout();

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // The frame takes the whole of the screen's available area, maximized.
    void fill_screen();
    void hold_screen();
    // Asks the window manager again to maximize the frame while it shows it otherwise.
    void check_maximized(int tries);
    // The title and the caption follow the document; the view repaints unchanged.
    void document_changed();

    CZarvokDoc& doc_;
    CZarvokView* view_;
    QAction* print_ = nullptr;
    QMenu* file_menu_ = nullptr;
    QMenu* help_menu_ = nullptr;
};

}  // namespace zarvo
