#include <QApplication>
#include <QScreen>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/window/CommandLine.h"
#include "game/window/Fonts.h"
#include "game/window/Form1.h"
#include "game/window/StartupReport.h"
#include "platform/AppIdentity.h"
#include "platform/QtDialogs.h"
#include "platform/SessionBus.h"
#include "platform/SkinFramework.h"
#include "platform/TimeSeededRandom.h"
#include "platform/Translations.h"
#include "platform/UrlOpener.h"
#include "platform/WindowsConsole.h"
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
    reachParentConsole();
    writeText(stderr, QStringLiteral("tavlora: %1\n").arg(message));
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        std::_Exit(1);
    }
}

void say(const std::string& text) {
    reachParentConsole();
    writeText(stderr, "tavlora: " + text + "\n");
}

// The desktop's language, before any text is made; English when the game has no catalogue.
void speakTheDesktopsLanguage(Translations& translations) {
    translations.install(desktopLanguage(), programFolderPath(kCatalogueFolderName));
}

// Answers --help, --version and a refused command line in the desktop's language, with no
// platform started; the status to end with.
int answerWithoutWindow(const char* program, const CommandLine& line) {
    int count = 1;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    const QCoreApplication application(count, arguments);
    Translations translations;
    speakTheDesktopsLanguage(translations);
    if (line.action == CommandLine::Action::Refuse) {
        say(commandLineProblem(line));
        writeText(
            stderr,
            QCoreApplication::translate("CommandLine", "Try \"tavlora --help\" for more.") + u'\n');
        return 2;
    }
    const std::string answer =
        line.action == CommandLine::Action::Help ? commandLineUsage() : commandLineVersion();
    // A full disk or a closed pipe is an answer not given.
    errno = 0;
    reachParentConsole();
    if (!writeText(stdout, answer) || std::fflush(stdout) != 0) {
        say(QCoreApplication::translate("CommandLine", "cannot write the answer: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno)))
                .toStdString());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    const char* program = argc > 0 ? argv[0] : "tavlora";
    const CommandLine line = readCommandLine(argc, argv);
    if (line.action != CommandLine::Action::Play) {
        return answerWithoutWindow(program, line);
    }
    // Qt connects to the session bus as the window starts (for screen readers, for the desktop's
    // settings): where there is none, the game does without one and starts none.
    doWithoutAnUnnamedSessionBus();
    QtArguments qtArguments(program, line.qtArguments);
    const QtMessageHandler previousHandler = qInstallMessageHandler(quitOnQtFatal);
    QApplication app(qtArguments.count, qtArguments.values());
    qInstallMessageHandler(previousHandler);
    substituteMissingFonts();
    Translations translations;
    speakTheDesktopsLanguage(translations);
    for (const CommandLine::LeftOut& option : line.leftOut) {
        say(commandLineProblem(option.problem, option.subject));
    }
    // A platform with no screen (linuxfb without a frame buffer, say) starts, but nothing can be
    // shown on it.
    if (QGuiApplication::primaryScreen() == nullptr) {
        say(QCoreApplication::translate("CommandLine", "there is no screen to show the window on.")
                .toStdString());
        return 1;
    }
    QGuiApplication::setDesktopFileName(QString::fromLatin1(appidentity::kDesktopFileName));
    QtDialogs dialogs;
    TimeSeededRandom random;
    DesktopUrlOpener urlOpener;
    SkinFramework skin;

    Form1 form({dialogs, random, urlOpener, skin});
    dialogs.setParent(&form);
    QObject::connect(&form, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    form.setMuted(line.mute);
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
            if (report) {
                QObject::connect(&form, &Form1::stateChanged, &form, [mainBegan](WindowState s) {
                    if (s == WindowState::Ready || s == WindowState::NoPicture) {
                        reportStartupMoment("picture-loaded", mainBegan);
                    }
                });
            }
            form.Form_CommandLine(pictures);
        }
    });

    if (const QScreen* screen = form.screen()) {
        form.move(screen->availableGeometry().center() - form.rect().center());
    }
    form.show();
    return app.exec();
}
