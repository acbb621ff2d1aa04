#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <utility>

#include "game/Form1.h"
#include "platform/QtDialogs.h"
#include "platform/SkinFramework.h"
#include "platform/TimeSeededRandom.h"
#include "platform/UrlOpener.h"

namespace {

using Clock = std::chrono::steady_clock;

// Answers the first file box with a fixed path and leaves every other box to the real dialogs, so
// that a measuring run can load a picture through "Load Picture" without anyone at the screen.
class AutostartDialogs : public Dialogs {
public:
    AutostartDialogs(Dialogs& real, std::string path) : real_(real), path_(std::move(path)) {}

    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        real_.showMessage(text, title, icon);
    }
    std::string askText(const std::string& prompt, const std::string& title,
                        const std::string& defaultText) override {
        return real_.askText(prompt, title, defaultText);
    }
    std::string chooseOpenFile(const std::string& title, const std::string& filter) override {
        return path_.empty() ? real_.chooseOpenFile(title, filter) : std::exchange(path_, {});
    }

private:
    Dialogs& real_;
    std::string path_;
};

// Hooks for measuring start-up from outside; each does nothing unless its variable is set.
// TAVLORA_REPORT_STARTUP=1: once the window's first paint has been handled (the event after it
// runs), one line on stderr gives that moment on the monotonic clock, for the launcher to subtract
// its own exec time from, the milliseconds since main() began and the processor time used so far.
// TAVLORA_AUTOSTART_PICTURE=<file>: at that same moment, presses "Load Picture" (answered with the
// file) and "Start Game", so the memory of a running game can be measured; with the report on, a
// second line then tells whether the game is running.
class FirstPaintHooks : public QObject {
public:
    FirstPaintHooks(Form1& form, Clock::time_point mainBegan, AutostartDialogs* autostart)
        : form_(form), mainBegan_(mainBegan), autostart_(autostart) {
        report_ = qEnvironmentVariable("TAVLORA_REPORT_STARTUP") == "1";
        if (report_ || autostart_) {
            form_.installEventFilter(this);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &form_ && event->type() == QEvent::Paint) {
            form_.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { afterFirstPaint(); });
        }
        return false;
    }

private:
    void afterFirstPaint() {
        if (report_) {
            const Clock::time_point now = Clock::now();
            std::fprintf(
                stderr, "tavlora-startup first-paint-monotonic-ns=%lld main-ms=%.2f cpu-ms=%.2f\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch())
                        .count()),
                std::chrono::duration<double, std::milli>(now - mainBegan_).count(),
                1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
            std::fflush(stderr);
        }
        if (autostart_) {
            form_.PushButton1_Click();
            form_.PushButton2_Click();
            if (report_) {
                std::fprintf(stderr, "tavlora-startup game-running=%d\n",
                             form_.currentBoard() != nullptr ? 1 : 0);
                std::fflush(stderr);
            }
        }
    }

    Form1& form_;
    Clock::time_point mainBegan_;
    AutostartDialogs* autostart_;
    bool report_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point mainBegan = Clock::now();
    QApplication app(argc, argv);
    QtDialogs dialogs;
    TimeSeededRandom random;
    DesktopUrlOpener urlOpener;
    SkinFramework skin;

    std::optional<AutostartDialogs> autostart;
    const QString autostartPicture = qEnvironmentVariable("TAVLORA_AUTOSTART_PICTURE");
    if (!autostartPicture.isEmpty()) {
        autostart.emplace(dialogs, autostartPicture.toStdString());
    }

    Form1 form({autostart ? static_cast<Dialogs&>(*autostart) : dialogs, random, urlOpener, skin});
    dialogs.setParent(&form);
    QObject::connect(&form, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    form.Form_Load();
    FirstPaintHooks hooks(form, mainBegan, autostart ? &*autostart : nullptr);

    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    return app.exec();
}
