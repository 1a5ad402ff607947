#include "app/about_dlg.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace zarvo {

const char* const kVersionLine = "Zarvok Version Z611";
const char* const kLegalNotice = "Copyright (C) 2026 Zarvo team";

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Zarvok"));
    setModal(true);
    // Dialog units: a quarter of the average character width across, an eighth of its height
    // down.
    const QFontMetrics fm(font());
    const int base_x = std::max(1, fm.averageCharWidth());
    const int base_y = std::max(1, fm.height());
    const auto rect = [&](int x, int y, int w, int h) {
        return QRect(x * base_x / 4, y * base_y / 8, w * base_x / 4, h * base_y / 8);
    };
    setFixedSize(rect(0, 0, 235, 55).size());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/zarvok-32.png")).pixmap(32, 32));
    icon->setGeometry(rect(11, 17, 20, 20));
    icon->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QString::fromLatin1(kVersionLine), this);
    version->setObjectName(QStringLiteral("version"));
    version->setTextFormat(Qt::PlainText);
    version->setGeometry(rect(40, 10, 119, 8));

    auto* notice = new QLabel(QString::fromLatin1(kLegalNotice), this);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setTextFormat(Qt::PlainText);
    notice->setGeometry(rect(40, 25, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zarvo
