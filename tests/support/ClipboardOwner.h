#pragma once

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <memory>

// Another program holding the clipboard of the platform the tests run on, X, Wayland or Windows
// (tests/platform/tools/clipboard_owner.cpp, wayland_clipboard_owner.cpp,
// windows_clipboard_owner.cpp), answering the way its arguments say, until it is stopped.
class ClipboardOwner {
public:
    explicit ClipboardOwner(const QStringList& arguments) {
        process_.start(program(), arguments);
        process_.waitForStarted(15000);
        marker_ = QStringLiteral("application/x-clipboard-owner-%1").arg(process_.processId());
        // Under Wayland the window hears of the new owner only once the focus has come back to
        // it, and the offers of earlier owners (or Weston's copy of one) may still come first.
        owning_ = process_.waitForReadyRead(15000) && process_.readLine().trimmed() == "owning" &&
                  (!onWayland() || QTest::qWaitFor([&] { return offered(); }, 5000));
    }
    ~ClipboardOwner() { stop(); }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    // Whether the tests run under Wayland, X or Windows; none of them skips them.
    static bool onWayland() {
        return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    }
    static bool onX() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
    static bool onWindows() { return QGuiApplication::platformName() == QLatin1String("windows"); }
    static bool onForeignClipboard() { return onWayland() || onX() || onWindows(); }
    // Whether the compositor reads out the clipboard with no window (data control): Sway and KWin
    // do, Weston and Mutter do not. tests/support/with_wayland.sh names the compositor.
    static bool dataControl() {
        const QString compositor = qEnvironmentVariable("TEST_COMPOSITOR");
        return onWayland() &&
               (compositor == QLatin1String("sway") || compositor == QLatin1String("kwin"));
    }

    bool owning() const { return owning_; }
    // Ends it. Under X the clipboard then has no owner; under Wayland, Weston may offer its copy of
    // this owner's first type; on Windows what it rendered stays on the clipboard.
    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            const bool wasOffered = onWayland() && offered();
            process_.kill();
            process_.waitForFinished();
            if (wasOffered) {
                (void)QTest::qWaitFor([&] { return !offered(); }, 5000);
            }
        }
    }

private:
    static QString program() {
#ifdef _WIN32
        return QStringLiteral(WINDOWS_CLIPBOARD_OWNER);
#else
        return onWayland() ? QStringLiteral(WAYLAND_CLIPBOARD_OWNER)
                           : QStringLiteral(CLIPBOARD_OWNER);
#endif
    }

    // Whether the compositor offers this program what this owner offers: the owner adds a type
    // naming itself.
    bool offered() const {
        const QMimeData* offer = QGuiApplication::clipboard()->mimeData();
        return offer != nullptr && offer->formats().contains(marker_);
    }

    QProcess process_;
    QString marker_;
    bool owning_ = false;
};
