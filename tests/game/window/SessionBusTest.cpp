#include <QAction>
#include <QDBusConnection>
#include <QProcess>
#include <QVariantAnimation>

#include "game/window/DesktopSwitches.h"
#include "game/window/PlayerMenu.h"

#include "tests/game/window/GameFixture.h"

namespace {

// A settings portal in a process of its own on the session bus, as the desktop's is
// (tools/settings_portal.cpp): nothing of the bus's types is known in the game's process before
// the game itself uses them.
class PortalProcess {
public:
    PortalProcess() {
        process_.start(SETTINGS_PORTAL);
        ready_ = process_.waitForStarted() && answer() == "ready";
    }
    ~PortalProcess() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    bool ready() const { return ready_; }
    // Sets a value ("GROUP KEY b false", "GROUP KEY d 0.5", "GROUP KEY struct") and tells of the
    // change; true once the change has gone out on the bus. Returns the portal's count of reads.
    int set(const QString& line) {
        process_.write((line + '\n').toUtf8());
        const QList<QByteArray> words = answer().split(' ');
        return words.size() == 3 && words[0] == "done" ? words[2].toInt() : -1;
    }

private:
    QByteArray answer() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(10000)) {
                return {};
            }
        }
        return process_.readLine().trimmed();
    }

    QProcess process_;
    bool ready_ = false;
};

class SessionBusTest : public GameTest {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected()) {
            GTEST_SKIP() << "needs a session bus: ctest runs it under dbus-run-session";
        }
    }
    bool moves() { return form->boardView().motion().enabled(); }
};

TEST_F(SessionBusTest, TheDesktopsSwitchStopsMotionAndIsFollowedWhileTheGameRuns) {
    PortalProcess portal;
    ASSERT_TRUE(portal.ready());
    EXPECT_EQ(portal.set("org.gnome.desktop.interface enable-animations b false"), 0);
    openWindow(dealDraws(kBottomRowShifted));
    loadPicture();
    // Nothing is asked before the first game.
    QTest::qWait(50);
    EXPECT_EQ(portal.set(""), 0);
    EXPECT_TRUE(moves());
    startGame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !moves(); }));
    EXPECT_EQ(portal.set(""), 3);  // GNOME's two switches and KDE's
    clickTile(13);
    EXPECT_TRUE(form->picBack->findChildren<QVariantAnimation*>().isEmpty());

    portal.set("org.gnome.desktop.interface enable-animations b true");
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves(); }));
    clickTile(14);
    EXPECT_TRUE(form->boardView().motion().running());

    // KDE's animation speed: 0 means none, any other speed leaves GNOME's switch to decide.
    portal.set("org.kde.kdeglobals.KDE AnimationDurationFactor d 0");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !moves(); }));
    EXPECT_FALSE(form->boardView().motion().running());
    portal.set("org.kde.kdeglobals.KDE AnimationDurationFactor d 0.5");
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves(); }));
    // The player's own switch still counts on top of the desktop's.
    form->playerMenu().motionAction()->trigger();
    EXPECT_FALSE(moves());

    // GNOME's event sounds, read at the start like the rest.
    EXPECT_TRUE(form->desktopSwitches().eventSounds());
    portal.set("org.gnome.desktop.sound event-sounds b false");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->desktopSwitches().eventSounds(); }));
}

TEST_F(SessionBusTest, AValueOfAnotherTypeThanTheKeysIsIgnored) {
    PortalProcess portal;
    ASSERT_TRUE(portal.ready());
    portal.set("org.gnome.desktop.interface enable-animations struct");
    portal.set("org.kde.kdeglobals.KDE AnimationDurationFactor b false");
    openWindow(dealDraws(kBottomRowShifted));
    loadPicture();
    startGame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.set("") == 3; }));
    // The answers and changes come in order: once the last has come, the others have too.
    portal.set("org.gnome.desktop.sound event-sounds b false");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->desktopSwitches().eventSounds(); }));
    EXPECT_TRUE(moves());
    portal.set("org.gnome.desktop.interface enable-animations struct");
    portal.set("org.gnome.desktop.sound event-sounds d 0");
    portal.set("org.gnome.desktop.sound event-sounds b true");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->desktopSwitches().eventSounds(); }));
    EXPECT_TRUE(moves());
}

TEST_F(SessionBusTest, NoPortalOnTheBusMeansMotion) {
    openWindow(dealDraws(kBottomRowShifted));
    loadPicture();
    startGame();
    QTest::qWait(100);
    EXPECT_TRUE(moves());
    clickTile(13);
    EXPECT_TRUE(form->boardView().motion().running());
}

}  // namespace

#include "SessionBusTest.moc"
