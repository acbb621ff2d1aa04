#include <QApplication>
#include <QScreen>
#include <optional>

#include "game/Form1.h"
#include "game/StartupReport.h"
#include "platform/QtDialogs.h"
#include "platform/SkinFramework.h"
#include "platform/TimeSeededRandom.h"
#include "platform/UrlOpener.h"

int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    QApplication app(argc, argv);
    QtDialogs dialogs;
    TimeSeededRandom random;
    DesktopUrlOpener urlOpener;
    SkinFramework skin;

    Form1 form({dialogs, random, urlOpener, skin});
    dialogs.setParent(&form);
    QObject::connect(&form, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    form.Form_Load();
    // TAVLORA_REPORT_STARTUP=1 reports the end of the first paint, for scripts/measure-startup.sh.
    std::optional<AfterFirstPaint> startupReport;
    if (qEnvironmentVariable("TAVLORA_REPORT_STARTUP") == "1") {
        startupReport.emplace(form, [mainBegan] { reportFirstPaint(mainBegan); });
    }

    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    return app.exec();
}
