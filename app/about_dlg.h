// The About box: icon, version line, a legal notice and an OK button.
#pragma once

#include <QDialog>

namespace zarvo {

extern const char* const kVersionLine;
extern const char* const kLegalNotice;

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace zarvo
