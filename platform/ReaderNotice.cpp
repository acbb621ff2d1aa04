#include "platform/ReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Shows nothing and takes no input; it exists so readers see a notification appear.
class NoticeWidget : public QWidget {
public:
    explicit NoticeWidget(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("readerNotice"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }
};

void showNotice(QWidget* window, const QString& text) {
    auto* notice =
        window->findChild<QWidget*>(QStringLiteral("readerNotice"), Qt::FindDirectChildrenOnly);
    if (notice == nullptr) {
        notice = new NoticeWidget(window);
    }
    // Hidden first, so the same text said twice appears twice.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}
#endif

}  // namespace

QAccessibleInterface* readerNoticeFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || className != QLatin1String("QWidget") ||
        widget->objectName() != QLatin1String("readerNotice")) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

void tellScreenReaders(QWidget* window, const QString& text) {
    if (window == nullptr || text.isEmpty() || !QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    showNotice(window, text);
#endif
}
