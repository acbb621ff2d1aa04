#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "game/window/CommandLine.h"
#include "game/window/Fonts.h"
#include "game/window/Form1.h"
#include "game/window/StartupReport.h"
#include "platform/QtDialogs.h"
#include "platform/SkinFramework.h"
#include "platform/StylePixmaps.h"
#include "platform/TimeSeededRandom.h"
#include "platform/Translations.h"
#include "platform/UrlOpener.h"
#include "shell/ProgramFolder.h"

namespace {

// The pictures named, as given: the window tells a path from a file:// address, as some launchers
// pass.
QStringList picturePaths(const QStringList& arguments) {
    return arguments;
}

// The program's name and the Qt options, kept alive for as long as QApplication reads them.
class QtArguments {
public:
    QtArguments(const char* program, const std::vector<std::string>& options) : strings_(options) {
        strings_.insert(strings_.begin(), program);
        for (std::string& text : strings_) {
            pointers_.push_back(text.data());
        }
        pointers_.push_back(nullptr);
        count = static_cast<int>(strings_.size());
    }
    char** values() { return pointers_.data(); }
    int count = 0;

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

// A platform Qt cannot start (no display, or one a developer named that does not exist) ends the
// program with Qt's own words and status 1, not an abort and a core file.
void quitOnQtFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "tavlora: %s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        std::_Exit(1);
    }
}

// Answers --help, --version and a refused command line; the status to end with, if any.
std::optional<int> answerWithoutWindow(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::Help:
            std::fputs(commandLineUsage().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(commandLineVersion().c_str(), stdout);
            return 0;
        case CommandLine::Action::Refuse:
            std::fprintf(
                stderr, "tavlora: %s\n%s\n", line.problem.c_str(),
                QCoreApplication::translate("CommandLine", "Try \"tavlora --help\" for more.")
                    .toLocal8Bit()
                    .constData());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    const CommandLine line = readCommandLine(argc, argv);
    if (const std::optional<int> status = answerWithoutWindow(line)) {
        return *status;
    }
    QtArguments qtArguments(argc > 0 ? argv[0] : "tavlora", line.qtArguments);
    const QtMessageHandler previousHandler = qInstallMessageHandler(quitOnQtFatal);
    QApplication app(qtArguments.count, qtArguments.values());
    qInstallMessageHandler(previousHandler);
    substituteMissingFonts();
    // The desktop's language, before any text is made; English when the game has no catalogue.
    Translations translations;
    translations.install(QLocale::system().uiLanguages(), programFolderPath(kCatalogueFolderName));
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
    const QStringList pictures = picturePaths(line.pictures);
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
