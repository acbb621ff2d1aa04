#include "game/window/ValueBoxAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

class ValueBoxAccessible : public QAccessibleWidget {
public:
    explicit ValueBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            // Readers say the frame around it by its caption, then a plain text by its name:
            // the name is the value, so the caption is heard once.
            case QAccessible::Name:
            case QAccessible::Value:
                return value();
            case QAccessible::Description:
                return widget()->accessibleName();
            default:
                return QAccessibleWidget::text(t);
        }
    }

private:
    QString value() const { return static_cast<const QLineEdit*>(widget())->text(); }
};

}  // namespace

QAccessibleInterface* valueBoxAccessibleFactory(const QString& /*className*/, QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box != nullptr && box->property("valueBox").toBool()) {
        return new ValueBoxAccessible(box);
    }
    return nullptr;
}
