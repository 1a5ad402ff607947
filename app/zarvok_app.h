// The application object: start-up from the command line to the maximized main window.
#pragma once

#include <memory>

#include "app/command_line.h"
#include "app/zarvok_doc.h"

class QTemporaryDir;

namespace zarvo {

class CMainFrame;
class CZarvokView;

class CZarvokApp {
  public:
    explicit CZarvokApp(CommandLine line);
    ~CZarvokApp();

    // Creates the document, the frame and the view and processes the command line. Returns
    // false when the program is to end without showing its window; exit_status() says how.
    bool InitInstance();
    int exit_status() const { return exit_status_; }

    CMainFrame* frame() const { return frame_; }
    CZarvokView* view() const { return view_; }
    CZarvokDoc& doc() { return doc_; }

  private:
    CommandLine line_;
    CZarvokDoc doc_;
    CMainFrame* frame_ = nullptr;
    CZarvokView* view_ = nullptr;
    int exit_status_ = 0;
    std::unique_ptr<QTemporaryDir> settings_dir_;
};

}  // namespace zarvo
