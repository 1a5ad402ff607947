#include "app/about_dlg.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "app/language.h"

namespace zarvo {

const char* const kVersionLine = QT_TRANSLATE_NOOP("About", "Zarvok Version Z611");
const char* const kLegalNotice = QT_TRANSLATE_NOOP("About", "Copyright (C) 2026 Zarvo team");

namespace {

// The horizontal dialog unit base of a font: the average width of the 52 letters a-z and A-Z,
// rounded, as the desktop the dialog template was made for measures it.
int dialog_base_x(const QFontMetrics& fm) {
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return std::max(1, (fm.horizontalAdvance(letters) / 26 + 1) / 2);
}

// A label's rectangle grown, where its text or picture needs more room than the template
// gives, to the right and downwards (centred for a picture), never shrunk.
QRect fitted(QRect r, const QSize& needed, bool centred) {
    const int dw = std::max(0, needed.width() - r.width());
    const int dh = std::max(0, needed.height() - r.height());
    if (centred) r.translate(-dw / 2, -dh / 2);
    r.setSize(r.size() + QSize(dw, dh));
    return r;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr_text("About", "About Zarvok"));
    setModal(true);
    // Dialog units: a quarter of the letters' average width across, an eighth of the font's
    // height down.
    const QFontMetrics fm(font());
    const int base_x = dialog_base_x(fm);
    const int base_y = std::max(1, fm.height());
    const auto rect = [&](int x, int y, int w, int h) {
        return QRect(x * base_x / 4, y * base_y / 8, w * base_x / 4, h * base_y / 8);
    };

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QPixmap picture = QIcon(QStringLiteral(":/icons/zarvok-32.png")).pixmap(32, 32);
    icon->setPixmap(picture);
    icon->setAlignment(Qt::AlignCenter);
    icon->setGeometry(fitted(rect(11, 17, 20, 20), picture.deviceIndependentSize().toSize(), true));

    QRect texts;
    const auto add_text = [&](const char* text, const char* name, QRect r) {
        auto* label = new QLabel(tr_text("About", text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(fitted(r, label->sizeHint(), false));
        texts |= label->geometry();
    };
    add_text(kVersionLine, "version", rect(40, 10, 119, 8));
    add_text(kLegalNotice, "notice", rect(40, 25, 119, 8));

    // The button keeps the template's gap after the texts, moving right if they grew.
    auto* ok = new QPushButton(tr_text("About", "OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    const QRect button = fitted(rect(178, 7, 50, 14), ok->minimumSizeHint(), false);
    const int gap = rect(19, 0, 0, 0).left();
    ok->setGeometry(button.translated(std::max(0, texts.right() + 1 + gap - button.left()), 0));

    const QRect all = texts | icon->geometry() | ok->geometry();
    const QRect frame = rect(0, 0, 235, 55);
    const QPoint margin = rect(7, 7, 0, 0).topLeft();
    setFixedSize(std::max(frame.width(), all.right() + 1 + margin.x()),
                 std::max(frame.height(), all.bottom() + 1 + margin.y()));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zarvo
