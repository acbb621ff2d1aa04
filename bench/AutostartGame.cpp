#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "game/window/Form1.h"
#include "game/window/StartupReport.h"
#include "platform/SkinFramework.h"
#include "platform/TimeSeededRandom.h"

// The game's window started the way the game starts it; right after the first paint it presses
// "Load Picture" (answered with the picture named on the command line) and "Start Game", so that
// scripts/measure-startup.sh can read the memory of a running game, and how long a start followed
// by "Load Picture" takes. Reports its first paint and the picture loaded as the game does, then
// whether the game runs; every box the window shows goes to stderr.
int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: autostart_game PICTURE\n");
        return 2;
    }
    FakeDialogs dialogs;
    dialogs.fileReplies.push_back(argv[1]);
    TimeSeededRandom random;
    SilentUrlOpener urlOpener;
    SkinFramework skin;
    Form1 form({dialogs, random, urlOpener, skin});
    form.Form_Load();
    // The picture decodes in a process of its own: "Start Game" is pressed once it has arrived.
    QObject::connect(&form, &Form1::stateChanged, &form, [&](WindowState state) {
        if (state != WindowState::Ready && state != WindowState::NoPicture) {
            return;
        }
        reportStartupMoment("picture-loaded", mainBegan);
        QObject::disconnect(&form, &Form1::stateChanged, &form, nullptr);
        // Pressed once the window has finished taking the picture in, as a player's press comes.
        QTimer::singleShot(0, &form, [&] {
            form.PushButton2_Click();
            for (const FakeDialogs::Message& message : dialogs.messages) {
                std::fprintf(stderr, "%s: %s\n", message.title.c_str(), message.text.c_str());
            }
            std::fprintf(stderr, "tavlora-startup game-running=%d\n",
                         form.game().hasBoard() ? 1 : 0);
            std::fflush(stderr);
        });
    });
    AfterFirstPaint hook(form, [&] {
        reportFirstPaint(mainBegan);
        form.PushButton1_Click();
    });
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    return app.exec();
}
