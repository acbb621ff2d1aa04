#include <QAction>
#include <QFile>
#include <QProcess>

#include "game/window/PlayerMenu.h"
#include "game/window/SoundPlayer.h"

#include "tests/game/window/GameFixture.h"

#ifdef __linux__
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#endif

namespace {

class SoundTest : public GameTest {
protected:
    SoundTest() { SoundPlayer::setProgram(SOUND_RECORDER, folder.path()); }
    ~SoundTest() override {
        form.reset();
        SoundPlayer::setProgram({}, {});
    }
    // What the window asked for, once the recorder has written `count` lines.
    QStringList played(int count) {
        QStringList lines;
        (void)QTest::qWaitFor([&] {
            QFile file(folderPath("/played.txt"));
            lines = file.open(QIODevice::ReadOnly)
                        ? QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts)
                        : QStringList();
            return lines.size() >= count;
        });
        return lines;
    }
};

TEST_F(SoundTest, EachClickSoundsFromTheCellItsTileEndsInAndTheFormedPictureLast) {
    openWindow(dealDraws(kBottomRowShifted));
    loadPicture();
    QTest::qWait(50);
    EXPECT_FALSE(QFile::exists(folderPath("/played.txt")));  // nothing runs before the first game
    startGame();
    clickTile(0);   // not beside the gap: nothing moves
    clickTile(13);  // into the gap in row 4, column 1
    clickTile(14);
    clickTile(15);
    EXPECT_EQ(played(5),
              QStringList({"still-1-1", "slide-4-1", "slide-4-2", "slide-4-3", "formed"}));
}

TEST_F(SoundTest, SwapSoundsWhereTheClickedTileGoesAndEveryOffSwitchSilencesIt) {
    openWindow(dealDraws(kTilesZeroAndFiveExchanged));
    selectSwap();
    loadPicture();
    startGame();
    clickTile(5);  // chosen: nothing moves yet
    clickTile(6);  // the tile of cell 6 goes to row 2, column 2
    EXPECT_EQ(played(2), QStringList({"still-2-2", "swap-2-2"}));
    form->playerMenu().soundAction()->trigger();
    clickTile(6);
    form->playerMenu().soundAction()->trigger();
    form->setMuted(true);
    clickTile(5);
    form->setMuted(false);
    clickTile(3);
    EXPECT_EQ(played(3), QStringList({"still-2-2", "swap-2-2", "still-1-4"}));
}

TEST_F(SoundTest, WithoutASoundServerTheSoundProgramIsSilentAndTheGameDoesNotWait) {
    // No sound server answers at this address, and no sound card is asked either.
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", QFile::encodeName("unix:" + folderPath("/no-server")));
    QProcess program;
    program.start(TAVLORA_SOUND_PROGRAM, {TAVLORA_SOUNDS});
    ASSERT_TRUE(program.waitForStarted());
    program.write("slide-1-1\nformed\n../hiscore\nswap-4-4\n");
    program.closeWriteChannel();
    EXPECT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    SoundPlayer::setProgram(TAVLORA_SOUND_PROGRAM, TAVLORA_SOUNDS);
    openWindow(dealDraws(kBottomRowShifted));
    loadPicture();
    startGame();
    clickTile(13);
    clickTile(14);
    clickTile(15);
    EXPECT_EQ(dialogs.messages.size(), 1u);  // the congratulation, and no report
    EXPECT_TRUE(dialogs.errorReports().empty());
    if (server.isNull()) {
        qunsetenv("PULSE_SERVER");
    } else {
        qputenv("PULSE_SERVER", server);
    }
}

#ifdef __linux__
// A sound server that lets every program connect and never answers.
int hungServer(const QString& path) {
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(),
                 sizeof address.sun_path - 1);
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    return ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                   ::listen(server, 8) == 0
               ? server
               : -1;
}

// The sound program waits in the sound library for a server that accepts and never answers; a
// game ended by a signal used to leave it running, under no parent, for as long as that server
// lived.
TEST_F(SoundTest, TheSoundProgramEndsWithAGameEndedBySignalWhileItWaitsOnItsServer) {
    const int server = hungServer(folderPath("/hung-server"));
    ASSERT_GE(server, 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PULSE_SERVER", "unix:" + folderPath("/hung-server"));
    for (const int signal : {SIGTERM, SIGKILL}) {
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(SOUND_PARENT, {TAVLORA_SOUND_PROGRAM, TAVLORA_SOUNDS});
        ASSERT_TRUE(game.waitForReadyRead(10000));
        ASSERT_EQ(game.readAll().trimmed(), "started");
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(game.processId()));
        ASSERT_TRUE(children.open(QIODevice::ReadOnly));
        const QString sound = QStringLiteral("/proc/%1/stat").arg(children.readAll().trimmed());
        ASSERT_TRUE(QFile::exists(sound));
        ::kill(static_cast<pid_t>(game.processId()), signal);
        ASSERT_TRUE(game.waitForFinished(10000));
        // Gone, or ended and waiting for the system to collect it.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            QFile stat(sound);
            return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
        })) << "signal "
            << signal;
    }
    ::close(server);
}
#endif

}  // namespace
