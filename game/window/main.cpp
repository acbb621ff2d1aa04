#include <QApplication>
#include <QScreen>

#include "game/window/Fonts.h"
#include "game/window/Form1.h"
#include "game/window/StartupReport.h"
#include "platform/QtDialogs.h"
#include "platform/SkinFramework.h"
#include "platform/StylePixmaps.h"
#include "platform/TimeSeededRandom.h"
#include "platform/UrlOpener.h"

namespace {

// Arguments after the program's name, as given: the window tells a path from a file:// address,
// as some launchers pass.
QStringList pictureArguments(const QStringList& arguments) {
    return arguments.mid(1);
}

}  // namespace

int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    QApplication app(argc, argv);
    substituteMissingFonts();
    preloadStylePixmaps();
    QGuiApplication::setDesktopFileName("org.tavlora.Tavlora");
    QtDialogs dialogs;
    TimeSeededRandom random;
    DesktopUrlOpener urlOpener;
    SkinFramework skin;

    Form1 form({dialogs, random, urlOpener, skin});
    dialogs.setParent(&form);
    QObject::connect(&form, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    form.Form_Load();

    // Once the window has shown itself, a picture named on the command line loads.
    // TAVLORA_REPORT_STARTUP=1 reports the end of the first paint, and of that load, for
    // scripts/measure-startup.sh.
    const QStringList pictures = pictureArguments(app.arguments());
    const bool report = qEnvironmentVariable("TAVLORA_REPORT_STARTUP") == "1";
    AfterFirstPaint afterFirstPaint(form, [&] {
        if (report) {
            reportFirstPaint(mainBegan);
        }
        if (!pictures.isEmpty()) {
            form.Form_CommandLine(pictures);
            if (report) {
                reportStartupMoment("picture-loaded", mainBegan);
            }
        }
    });

    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    return app.exec();
}
