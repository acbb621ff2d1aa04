#pragma once

// What scripts/measure-startup.sh reads to time a start: the moment a window's first paint has
// been handled, shared by the game and the trivial window it is compared with.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <utility>

using StartupClock = std::chrono::steady_clock;

// One line on stderr: the moment `what` happened on the monotonic clock (the launcher subtracts its
// own exec time), the milliseconds since main() began and the processor time used so far.
// Milliseconds with two decimals and a '.', whatever the C library's locale says: the script
// reads them as numbers under a German desktop too.
inline std::string startupMilliseconds(double milliseconds) {
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, milliseconds, std::chars_format::fixed, 2);
    return std::string(buffer, written.ptr);
}

inline void reportStartupMoment(const char* what, StartupClock::time_point mainBegan) {
    const StartupClock::time_point now = StartupClock::now();
    std::fprintf(
        stderr, "tavlora-startup %s-monotonic-ns=%lld main-ms=%s cpu-ms=%s\n", what,
        static_cast<long long>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch()).count()),
        startupMilliseconds(std::chrono::duration<double, std::milli>(now - mainBegan).count())
            .c_str(),
        startupMilliseconds(1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC).c_str());
    std::fflush(stderr);
}

inline void reportFirstPaint(StartupClock::time_point mainBegan) {
    reportStartupMoment("first-paint", mainBegan);
}

// Calls `then` once, in the event after the window's first paint has been handled.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> then)
        : window_(window), then_(std::move(then)) {
        window_.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, this, then_);
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
};
