#include "app/board_accessible.h"

#include <QAccessibleWidget>

#include "app/zarvok_view.h"
#include "puzzle/speech.h"

namespace zarvo {

namespace {

class BoardAccessible : public QAccessibleWidget {
  public:
    explicit BoardAccessible(CZarvokView* view) : QAccessibleWidget(view, QAccessible::Canvas) {}

    QString text(QAccessible::Text t) const override {
        const auto* view = static_cast<const CZarvokView*>(widget());
        switch (t) {
            case QAccessible::Name:
                return QStringLiteral("Zarvo: ") + QString::fromStdString(view->last_sentence());
            case QAccessible::Description:
                return QString::fromStdString(state_sentence(view->board().game));
            default:
                return QAccessibleWidget::text(t);
        }
    }
};

}  // namespace

QAccessibleInterface* board_accessible(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("zarvo::CZarvokView") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<CZarvokView*>(object));
    return nullptr;
}

}  // namespace zarvo
