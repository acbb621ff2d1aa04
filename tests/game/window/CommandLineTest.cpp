#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "game/window/CommandLine.h"

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

    line = readCommandLine(Strings{"-style", "fusion", "--platform", "offscreen", "-reverse",
                                   "-stylesheet=a.qss", "--", "--help", "-platform"});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(line.qtArguments, (Strings{"-style", "fusion", "--platform", "offscreen", "-reverse",
                                         "-stylesheet=a.qss"}));
    EXPECT_EQ(line.pictures, qStrings({"--help", "-platform"}));

    EXPECT_EQ(readCommandLine(Strings{"--", "--"}).pictures, qStrings({"--"}));
    EXPECT_TRUE(readCommandLine(Strings{}).pictures.isEmpty());
}

TEST(CommandLine, HelpVersionAndRefusals) {
    EXPECT_EQ(readCommandLine(Strings{"a.jpg", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine(Strings{"--version"}).action, CommandLine::Action::Version);
    EXPECT_EQ(readCommandLine(Strings{"-reverse", "--version", "--"}).action,
              CommandLine::Action::Version);
    EXPECT_EQ(commandLineVersion(), "tavlora " TAVLORA_VERSION "\n");

    const CommandLine unknown = readCommandLine(Strings{"-testability", "--", "a.jpg"});
    EXPECT_EQ(unknown.action, CommandLine::Action::Refuse);
    EXPECT_EQ(unknown.problem,
              "\"-testability\" is not an option; a picture of that name goes after \"--\".");
    EXPECT_TRUE(unknown.pictures.isEmpty());
    const CommandLine noValue = readCommandLine(Strings{"-platform", "--", "x"});
    EXPECT_EQ(noValue.problem, "\"-platform\" needs a value before \"--\".");
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
    Run run(const QStringList& arguments, bool display = true, int waitMs = 15000) {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
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

}  // namespace
