#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "game/window/CommandLine.h"
#include "platform/Translations.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif
#ifdef __linux__
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

using Strings = std::vector<std::string>;

QStringList qStrings(const Strings& strings) {
    QStringList list;
    for (const std::string& s : strings) {
        list << QString::fromStdString(s);
    }
    return list;
}

TEST(CommandLine, EveryArgumentIsAPictureUnlessOptionsEndWithTheMarker) {
    // Qt's option names, and names that look like options, are pictures when no "--" follows.
    const Strings named = {"-platform", "PICTURE", "-reverse", "-style", "--style", "-x.png"};
    CommandLine line = readCommandLine(named);
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(line.pictures, qStrings(named));
    EXPECT_TRUE(line.qtArguments.empty());

    line = readCommandLine(Strings{"-style=fusion", "--platform", "offscreen", "-reverse", "--",
                                   "--help", "-platform"});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(line.qtArguments, (Strings{"-style=fusion", "--platform", "offscreen", "-reverse"}));
    EXPECT_EQ(line.pictures, qStrings({"--help", "-platform"}));

    EXPECT_EQ(readCommandLine(Strings{"--", "--"}).pictures, qStrings({"--"}));
    EXPECT_TRUE(readCommandLine(Strings{}).pictures.isEmpty());

    // --mute is ours anywhere before "--"; after it, a picture of that name.
    EXPECT_FALSE(readCommandLine(Strings{"a.jpg"}).mute);
    line = readCommandLine(Strings{"a.jpg", "--mute"});
    EXPECT_TRUE(line.mute);
    EXPECT_EQ(line.pictures, qStrings({"a.jpg"}));
    line = readCommandLine(Strings{"--mute", "-reverse", "--", "--mute"});
    EXPECT_TRUE(line.mute);
    EXPECT_EQ(line.qtArguments, (Strings{"-reverse"}));
    EXPECT_EQ(line.pictures, qStrings({"--mute"}));
    EXPECT_FALSE(readCommandLine(Strings{"--", "--mute"}).mute);
}

TEST(CommandLine, HelpVersionAndRefusals) {
    EXPECT_EQ(readCommandLine(Strings{"a.jpg", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine(Strings{"--version"}).action, CommandLine::Action::Version);
    EXPECT_EQ(readCommandLine(Strings{"-reverse", "--version", "--"}).action,
              CommandLine::Action::Version);
    EXPECT_EQ(commandLineVersion(), "tavlora " TAVLORA_VERSION "\n");

    const CommandLine unknown = readCommandLine(Strings{"-testability", "--", "a.jpg"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Refuse);
    EXPECT_EQ(commandLineProblem(unknown),
              "\"-testability\" is not an option; a picture of that name goes after \"--\".");
    EXPECT_TRUE(unknown.pictures.isEmpty());
    const CommandLine noValue = readCommandLine(Strings{"-platform", "--", "x"});
    EXPECT_EQ(commandLineProblem(noValue), "\"-platform\" needs a value before \"--\".");
}

TEST(CommandLine, AStyleSheetIsHandedToQtOnlyWhenItIsAFileOfAStyleSheetsSize) {
    QTemporaryDir dir;
    const std::string sheet = dir.filePath("look.qss").toStdString();
    QFile file(QString::fromStdString(sheet));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("QWidget { color: navy; }");
    EXPECT_EQ(readCommandLine(Strings{"-stylesheet", sheet, "--"}).qtArguments,
              (Strings{"-stylesheet", sheet}));

    ASSERT_TRUE(file.resize(1024 * 1024 + 1));
    const CommandLine line =
        readCommandLine(Strings{"-reverse", "--stylesheet=" + sheet, "--", "a"});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(line.qtArguments, Strings{"-reverse"});
    ASSERT_EQ(line.leftOut.size(), 1u);
    EXPECT_EQ(commandLineProblem(line.leftOut[0].problem, line.leftOut[0].subject),
              "the style sheet \"" + sheet + "\" is left out: it is not a file of at most 1 MiB.");
}

// The built game, started with the arguments in a folder of its own, on the offscreen platform.
class GameProcess : public ::testing::Test {
protected:
    struct Run {
        int exitCode = -1;
        bool crashed = false;
        std::string out;  // both streams, in order
        std::string err;
        std::string maps;  // Linux: what the game had mapped when it was done
    };

    // Ends the game once it has painted and handled the pictures named, or after `waitMs`.
    // `environment` holds NAME=VALUE entries to set and NAME= entries to remove.
    Run run(const QStringList& arguments, bool display = true, int waitMs = 15000,
            const QStringList& environment = {}) {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& entry : environment) {
            const QString value = entry.section(u'=', 1);
            if (value.isEmpty()) {
                env.remove(entry.section(u'=', 0, 0));
            } else {
                env.insert(entry.section(u'=', 0, 0), value);
            }
        }
        env.insert(QStringLiteral("TAVLORA_REPORT_STARTUP"), QStringLiteral("1"));
#ifdef _WIN32
        // The game's folder holds only the plugins a player needs; the offscreen platform the
        // tests run on sits beside the tests.
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QCoreApplication::applicationDirPath());
#endif
        if (!display) {
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        }
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(dir.path());
        // One stream, so that waiting for output sees the startup reports on the error stream.
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.start(QStringLiteral(TAVLORA_GAME), arguments);
        QByteArray err;
        const auto done = [&] {
            return err.contains("picture-loaded") ||
                   (!hasPicture(arguments) && err.contains("first-paint"));
        };
        while (!done() && game.waitForReadyRead(waitMs)) {
            err += game.readAll();
        }
        err += game.readAll();
        Run result;
#ifdef Q_OS_LINUX
        QFile maps(QStringLiteral("/proc/%1/maps").arg(game.processId()));
        if (done() && maps.open(QIODevice::ReadOnly)) {
            result.maps = maps.readAll().toStdString();
        }
#endif
        if (game.state() != QProcess::NotRunning) {
            game.kill();
        }
        game.waitForFinished();
        err += game.readAll();
        result.crashed = game.exitStatus() == QProcess::CrashExit && !done();
        result.exitCode = game.exitCode();
        // Windows writes a text stream's line ends as CR LF.
        result.out = QString::fromLocal8Bit(err).remove(QLatin1Char('\r')).toStdString();
        result.err = result.out;
        return result;
    }

    static bool hasPicture(const QStringList& arguments) {
        const qsizetype end = arguments.indexOf(QStringLiteral("--"));
        return end < 0 ? !arguments.isEmpty() : end + 1 < arguments.size();
    }

    // A picture under `name` in the game's working folder.
    void picture(const QString& name) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVLORA_STOCK_PICTURE), dir.filePath(name)));
    }

    QTemporaryDir dir;
};

// Before, each of these either aborted (-platform, -display) or was swallowed by Qt with no picture
// and no report. Now the name is a picture: it loads without a report box, which would hold the
// game before "picture-loaded".
TEST_F(GameProcess, QtOptionNamesArePicturesAndNeverCrashOrChangeTheWindow) {
    const QStringList options = {
        "-platform", "-display", "-style", "-stylesheet", "-qwindowgeometry", "-qwindowtitle",
        "-reverse",  "-session", "-name",  "-geometry",   "-plugin",          "-platformpluginpath",
        "--platform"};
    for (const QString& option : options) {
        picture(option);
        const Run run = this->run({option, QStringLiteral("PICTURE")});
        EXPECT_FALSE(run.crashed) << option.toStdString() << ": " << run.err;
        EXPECT_NE(run.err.find("picture-loaded"), std::string::npos)
            << option.toStdString() << ": " << run.err;
    }
    picture(QStringLiteral("-dash.jpg"));
    EXPECT_NE(run({"--", "-dash.jpg"}).err.find("picture-loaded"), std::string::npos);
}

// The game itself never loads picture code, neither at the start nor for a player's picture: Qt's
// image plugins, libjpeg and libtiff live in the decoding program.
TEST_F(GameProcess, PictureCodeIsNeverLoadedByTheGameItself) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "reads the game's /proc/PID/maps";
#endif
    picture(QStringLiteral("photo.jpg"));
    const Run start = run({});
    const Run withPhoto = run({QStringLiteral("photo.jpg")});
    for (const Run* game : {&start, &withPhoto}) {
        ASSERT_FALSE(game->maps.empty()) << game->err;
        for (const char* code : {"/imageformats/", "/libjpeg.", "/libtiff.", "/libwebp."}) {
            EXPECT_EQ(game->maps.find(code), std::string::npos) << code;
        }
    }
    EXPECT_NE(withPhoto.err.find("picture-loaded"), std::string::npos) << withPhoto.err;
}

// "Open With" names a picture in any script, whatever the system's ANSI code page: Windows hands
// the game its command line in UTF-16, and the picture loads.
TEST_F(GameProcess, APictureNamedInAnyScriptLoads) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Пётр 日本")));
    const QString name = QStringLiteral("Пётр 日本/Риф Łódź.jpg");
    picture(name);
    const Run run = this->run({QDir::toNativeSeparators(dir.filePath(name))});
    EXPECT_NE(run.err.find("picture-loaded"), std::string::npos) << run.err;
}

// cmd and PowerShell start a windowed program with no streams of its own: the answer reaches the
// console it was typed in, written there in UTF-16.
TEST_F(GameProcess, StartedFromAConsoleWithoutStreamsTheAnswerReachesThatConsole) {
#ifndef _WIN32
    GTEST_SKIP() << "only a windowed Windows program has no streams of its own";
#else
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    const std::shared_ptr<void> leave(nullptr, [](void*) { FreeConsole(); });
    // Wine without a display gives a console whose screen cannot be read back.
    CONSOLE_SCREEN_BUFFER_INFO screen = {};
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &screen)) {
        GTEST_SKIP() << "this console's screen cannot be read (Wine without a display)";
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // and every handle null, as cmd leaves them
    PROCESS_INFORMATION started = {};
    std::wstring command = L"\"" +
                           QDir::toNativeSeparators(QStringLiteral(TAVLORA_GAME)).toStdWString() +
                           L"\" --version";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &started));
    const DWORD waited = WaitForSingleObject(started.hProcess, 60000);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    ASSERT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(status, 0u);
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(console, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(GetConsoleScreenBufferInfo(console, &screen));
    std::wstring shown(static_cast<std::size_t>(screen.dwSize.X) * screen.dwSize.Y, L' ');
    DWORD read = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(console, shown.data(), static_cast<DWORD>(shown.size()),
                                            COORD{0, 0}, &read));
    CloseHandle(console);
    EXPECT_NE(shown.find(L"tavlora " TAVLORA_VERSION), std::wstring::npos);
#endif
}

TEST_F(GameProcess, AnswersHelpAndVersionWithoutAWindowAndHandsQtOnlyWhatStandsBeforeTheMarker) {
    // No display at all: these never start Qt's platform.
    const Run version = run({"--version"}, false);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tavlora " TAVLORA_VERSION "\n");
    const Run help = run({"--help"}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, commandLineUsage());

    const Run unknown = run({"-bogus", "--"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("\"-bogus\" is not an option"), std::string::npos) << unknown.err;

    // A platform Qt cannot start ends the game with Qt's words and status 1, not an abort.
    const Run noPlatform = run({"-platform", "nosuch", "--"});
    EXPECT_FALSE(noPlatform.crashed) << noPlatform.err;
    EXPECT_EQ(noPlatform.exitCode, 1);
    EXPECT_NE(noPlatform.err.find("\"nosuch\""), std::string::npos) << noPlatform.err;

    // Before "--", Qt's options reach Qt and the game starts as usual.
    const Run styled = run({"-style", "fusion", "-reverse", "--"});
    EXPECT_FALSE(styled.crashed) << styled.err;
    EXPECT_NE(styled.err.find("first-paint"), std::string::npos) << styled.err;
}

// Developers' options that once crashed or held the game: Qt's words or ours, a status, no core.
TEST_F(GameProcess, APlatformWithoutAScreenAndAStyleSheetThatIsNoFileEndOrStartCleanly) {
#ifndef _WIN32
    // Linux's frame-buffer platform starts without a screen when there is no frame buffer.
    for (const QStringList& environment :
         {QStringList{}, QStringList{"QT_QPA_PLATFORM=linuxfb:fb=/nonexistent"}}) {
        const QStringList arguments =
            environment.isEmpty() ? QStringList{"-platform", "linuxfb:fb=/nonexistent", "--"}
                                  : QStringList{};
        const Run noScreen = run(arguments, true, 15000, environment);
        EXPECT_FALSE(noScreen.crashed) << noScreen.err;
        EXPECT_EQ(noScreen.exitCode, 1) << noScreen.err;
        EXPECT_NE(noScreen.err.find("tavlora: there is no screen to show the window on."),
                  std::string::npos)
            << noScreen.err;
    }
#endif
    QStringList sheets = {dir.path()};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.qss")).constData(), 0600), 0);
    sheets << dir.filePath("pipe.qss") << "/dev/zero";
#endif
    for (const QString& sheet : sheets) {
        const Run styled = run({"-stylesheet", sheet, "--"}, true, 20000);
        EXPECT_FALSE(styled.crashed) << styled.err;
        EXPECT_NE(styled.err.find("first-paint"), std::string::npos) << styled.err;
        EXPECT_NE(styled.err.find("is left out"), std::string::npos) << styled.err;
    }
}

TEST_F(GameProcess, HelpAndRefusalsSpeakTheDesktopsLanguageExceptUnderC) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the language from the user's settings";
#endif
    std::string germanUsage;
    std::string germanProblem;
    {
        Translations translations;
        ASSERT_EQ(translations.install(QLocale("de_DE"), QStringLiteral(TAVLORA_CATALOGUES)), "de");
        germanUsage = commandLineUsage();
        germanProblem = commandLineProblem(readCommandLine(Strings{"-bogus", "--"}));
    }
    ASSERT_NE(germanUsage, commandLineUsage());
    const QStringList german = {"LANG=de_DE.UTF-8", "LANGUAGE=de", "LC_ALL=", "LC_MESSAGES="};
    const Run help = run({"--help"}, false, 15000, german);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, germanUsage);
    const Run refused = run({"-bogus", "--"}, false, 15000, german);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err.find("tavlora: " + germanProblem + "\n"), 0u) << refused.err;

    // Under C, LANGUAGE counts for nothing, as with gettext: a bug report's words are English.
    for (const char* c : {"LC_ALL=C", "LC_ALL=POSIX"}) {
        const Run english = run({"--help"}, false, 15000, {c, "LANGUAGE=de"});
        // Qt 6.8 warns first, on the error stream, that C is not a UTF-8 locale.
        const std::string usage = commandLineUsage();
        EXPECT_TRUE(english.out.ends_with(usage)) << c << ": " << english.out;
    }
}

// Qt's X platform takes -visual on trust and crashes on a number the server has none of.
class X11Visual : public GameProcess {};

TEST_F(X11Visual, AVisualTheServerLacksIsLeftOutAndTheGameStarts) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X server; ctest runs this under Xvfb";
    }
    for (const QStringList& arguments : {QStringList{"-visual", "0", "--"},
                                         QStringList{"-reverse", "-visual", "0x7fffffff", "--"}}) {
        const Run run = this->run(arguments);
        EXPECT_FALSE(run.crashed) << run.err;
        EXPECT_NE(run.err.find("first-paint"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("tavlora: the visual \"" +
                               arguments[arguments.size() - 2].toStdString() + "\" is left out"),
                  std::string::npos)
            << run.err;
    }
}

#ifdef Q_OS_LINUX
// Where the session names no message bus, the bus library launches one of its own under X (through
// dbus-launch), and that daemon stayed after the game.
class X11NoSessionBus : public GameProcess {};

TEST_F(X11NoSessionBus, TheGameStartsNoBusThatOutlivesIt) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X server; ctest runs this under Xvfb";
    }
    // What the game leaves running comes to this process once the game has ended.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const Run run = this->run({}, true, 15000, {"DBUS_SESSION_BUS_ADDRESS=", "XDG_RUNTIME_DIR="});
    EXPECT_NE(run.err.find("first-paint"), std::string::npos) << run.err;
    QStringList left;
    QFile children(QStringLiteral("/proc/self/task/%1/children").arg(getpid()));
    if (children.open(QIODevice::ReadOnly)) {
        for (const QByteArray& pid : children.readAll().split(' ')) {
            if (const int id = pid.trimmed().toInt(); id > 0) {
                QFile command(QStringLiteral("/proc/%1/cmdline").arg(id));
                left << (command.open(QIODevice::ReadOnly) ? command.readAll().replace('\0', ' ')
                                                           : QByteArray());
                kill(id, SIGKILL);
                waitpid(id, nullptr, 0);
            }
        }
    }
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();
}
#endif

#ifndef _WIN32
TEST_F(GameProcess, AnAnswerThatCannotBeWrittenIsReportedWithAFailingStatus) {
    for (const char* option : {"--help", "--version"}) {
        QProcess game;
        game.setStandardOutputFile(QStringLiteral("/dev/full"));
        game.start(QStringLiteral(TAVLORA_GAME), {QString::fromLatin1(option)});
        ASSERT_TRUE(game.waitForFinished(15000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 1) << option;
        EXPECT_TRUE(game.readAllStandardError().contains("tavlora: cannot write the answer: "))
            << option;
    }
}

// A file whose name is Latin-1, as older systems wrote it, named by a file manager.
TEST_F(GameProcess, ANameThatIsNotUtf8IsRefusedTruthfullyNotCalledMissing) {
    const QByteArray name = QByteArray::fromRawData("K\xf6ln.jpg", 8);
    QFile source(QStringLiteral(TAVLORA_STOCK_PICTURE));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    FILE* copy = std::fopen(path.constData(), "wb");
    ASSERT_NE(copy, nullptr);
    const QByteArray bytes = source.readAll();
    ASSERT_EQ(std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), copy),
              static_cast<std::size_t>(bytes.size()));
    std::fclose(copy);

    // QProcess would write the name in UTF-8; the shell passes the byte itself.
    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(QStringLiteral("/bin/sh"),
                {"-c", "exec \"$0\" \"$(printf 'K\\366ln.jpg')\"", QStringLiteral(TAVLORA_GAME)});
    const bool ended = shell.waitForFinished(15000);
    if (!ended) {
        shell.kill();
        shell.waitForFinished();
    }
    const std::string said = shell.readAll().toStdString();
    ASSERT_TRUE(ended) << "the game started instead: " << said;
    EXPECT_EQ(shell.exitCode(), 2) << said;
    EXPECT_NE(said.find("cannot be opened: its name is not UTF-8 text"), std::string::npos) << said;
}
#endif

}  // namespace
