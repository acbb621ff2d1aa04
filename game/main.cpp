#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <optional>
#include <utility>

#include "game/Fonts.h"
#include "game/Form1.h"
#include "game/StartupReport.h"
#include "platform/QtDialogs.h"
#include "platform/SkinFramework.h"
#include "platform/TimeSeededRandom.h"
#include "platform/UrlOpener.h"

namespace {

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
// TAVLORA_REPORT_STARTUP=1: once the window's first paint has been handled, reports it (see
// StartupReport.h).
// TAVLORA_AUTOSTART_PICTURE=<file>: at that same moment, presses "Load Picture" (answered with the
// file) and "Start Game", so the memory of a running game can be measured; with the report on, a
// second line then tells whether the game is running.
std::optional<AfterFirstPaint> startupHooks(Form1& form, StartupClock::time_point mainBegan,
                                            bool autostart) {
    const bool report = qEnvironmentVariable("TAVLORA_REPORT_STARTUP") == "1";
    if (!report && !autostart) {
        return std::nullopt;
    }
    return std::optional<AfterFirstPaint>(
        std::in_place, form, [&form, mainBegan, report, autostart] {
            if (report) {
                reportFirstPaint(mainBegan);
            }
            if (autostart) {
                form.PushButton1_Click();
                form.PushButton2_Click();
                if (report) {
                    std::fprintf(stderr, "tavlora-startup game-running=%d\n",
                                 form.currentBoard() != nullptr ? 1 : 0);
                    std::fflush(stderr);
                }
            }
        });
}

}  // namespace

int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    QApplication app(argc, argv);
    substituteMissingFonts();
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
    const auto hooks = startupHooks(form, mainBegan, autostart.has_value());

    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    return app.exec();
}
