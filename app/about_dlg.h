// The About box: icon, version line, a legal notice and an OK button.
#pragma once

#include <QDialog>
#include <QIcon>

namespace zarvo {

extern const char* const kVersionLine;
extern const char* const kLegalNotice;

// The program's icon, at 32 and 16 pixels: the window's and the About box's.
QIcon program_icon();

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace zarvo
