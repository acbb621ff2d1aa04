// A settings portal of the test's own, in a process of its own on the session bus, as the desktop's
// is. Each line on its standard input sets a value and tells of the change:
//   GROUP KEY b true|false    a boolean
//   GROUP KEY d NUMBER        a double
//   GROUP KEY struct          a struct of two integers, where the key has another type
// Any other line changes nothing. It writes "ready" once it holds the portal's name, and after the
// Nth line, once what it sent has gone out, "done N READS" with the number of reads answered so
// far. The next line is written only after that answer.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSocketNotifier>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>

namespace {

constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";

class Portal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    void change(const QString& group, const QString& key, const QVariant& value) {
        values_[group + '/' + key] = value;
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, "SettingChanged");
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        QDBusConnection::sessionBus().send(signal);
    }

public slots:
    // As the portal does, the value comes wrapped in one more variant; an unknown key is an error.
    QDBusVariant Read(const QString& group, const QString& key, const QDBusMessage& message) {
        ++reads;
        const auto found = values_.find(group + '/' + key);
        if (found == values_.end()) {
            QDBusConnection::sessionBus().send(message.createErrorReply(
                "org.freedesktop.portal.Error.NotFound", "Requested setting not found"));
            return {};
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(found->second)));
    }

public:
    int reads = 0;

private:
    std::map<QString, QVariant> values_;
};

QVariant parsed(const QString& type, const QString& text) {
    if (type == "b") {
        return text == "true";
    }
    if (type == "d") {
        return text.toDouble();
    }
    QDBusArgument pair;
    pair.beginStructure();
    pair << 1 << 2;
    pair.endStructure();
    return QVariant::fromValue(pair);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Portal portal;
    if (!bus.registerObject(kPath, &portal, QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.portal.Desktop")) {
        return 1;
    }
    std::cout << "ready" << std::endl;
    int lines = 0;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            application.quit();
            return;
        }
        const QStringList words = QString::fromStdString(line).split(' ', Qt::SkipEmptyParts);
        if (words.size() >= 3) {
            portal.change(words[0], words[1], parsed(words[2], words.value(3)));
        }
        bus.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                "org.freedesktop.DBus", "GetId"));
        std::cout << "done " << ++lines << ' ' << portal.reads << std::endl;
    });
    return application.exec();
}

#include "settings_portal.moc"
