#pragma once

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <memory>

// Another program holding the clipboard of the platform the tests run on, X or Wayland
// (tests/platform/tools/clipboard_owner.cpp, wayland_clipboard_owner.cpp), answering the way its
// arguments say, until it is stopped.
class ClipboardOwner {
public:
    explicit ClipboardOwner(const QStringList& arguments) {
        // Under Wayland the window hears of the new owner once the focus has come back to it.
        const int changes = changesSeen();
        process_.start(
            onWayland() ? QStringLiteral(WAYLAND_CLIPBOARD_OWNER) : QStringLiteral(CLIPBOARD_OWNER),
            arguments);
        owning_ = process_.waitForReadyRead(15000) && process_.readLine().trimmed() == "owning" &&
                  (!onWayland() || QTest::qWaitFor([&] { return changesSeen() > changes; }, 5000));
    }
    ~ClipboardOwner() { stop(); }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    // Whether the tests run under Wayland, or else under X; neither skips them.
    static bool onWayland() {
        return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
    static bool onForeignClipboard() {
        return onWayland() || QGuiApplication::platformName() == QLatin1String("xcb");
    }

    bool owning() const { return owning_; }
    // Ends it; the clipboard then has no owner.
    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            const int changes = changesSeen();
            process_.kill();
            process_.waitForFinished();
            if (onWayland()) {
                (void)QTest::qWaitFor([&] { return changesSeen() > changes; }, 5000);
            }
        }
    }

private:
    // How often this program was told of a new clipboard, counted from the first owner on.
    static int changesSeen() {
        static int changes = 0;
        static const auto counting = QObject::connect(QGuiApplication::clipboard(),
                                                      &QClipboard::dataChanged, [] { ++changes; });
        (void)counting;
        return changes;
    }

    QProcess process_;
    bool owning_ = false;
};
