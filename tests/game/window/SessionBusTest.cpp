#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>
#include <QVariantAnimation>
#include <map>

#include "game/window/DesktopSwitches.h"
#include "game/window/PlayerMenu.h"

#include "tests/game/window/GameFixture.h"

namespace {

constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.Settings";

// A settings portal of our own on the session bus, on a connection of its own, so the game
// reaches it through the bus as it reaches the desktop's.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    explicit FakePortal(const char* connectionName)
        : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName)) {}
    ~FakePortal() override {
        bus_.unregisterObject(kPath);
        bus_.unregisterService("org.freedesktop.portal.Desktop");
        QDBusConnection::disconnectFromBus(bus_.name());
    }
    bool publish() {
        return bus_.registerObject(kPath, this, QDBusConnection::ExportAllSlots) &&
               bus_.registerService("org.freedesktop.portal.Desktop");
    }
    void change(const QString& group, const QString& key, const QVariant& value) {
        values_[group + '/' + key] = value;
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, "SettingChanged");
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        bus_.send(signal);
    }
    int reads = 0;

public slots:
    // As the portal does, the value comes wrapped in one more variant; an unknown key is an error.
    QDBusVariant Read(const QString& group, const QString& key, const QDBusMessage& message) {
        ++reads;
        const auto found = values_.find(group + '/' + key);
        if (found == values_.end()) {
            bus_.send(message.createErrorReply("org.freedesktop.portal.Error.NotFound",
                                               "Requested setting not found"));
            return {};
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(found->second)));
    }

private:
    QDBusConnection bus_;
    std::map<QString, QVariant> values_;
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
    FakePortal portal("tavlora-test-portal");
    portal.change("org.gnome.desktop.interface", "enable-animations", false);
    ASSERT_TRUE(portal.publish());
    openWindow(dealDraws(kBottomRowShifted));
    loadPicture();
    // Nothing is asked before the first game.
    QTest::qWait(50);
    EXPECT_EQ(portal.reads, 0);
    EXPECT_TRUE(moves());
    startGame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !moves(); }));
    EXPECT_EQ(portal.reads, 3);  // GNOME's two switches and KDE's
    clickTile(13);
    EXPECT_TRUE(form->picBack->findChildren<QVariantAnimation*>().isEmpty());

    portal.change("org.gnome.desktop.interface", "enable-animations", true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves(); }));
    clickTile(14);
    EXPECT_TRUE(form->boardView().motion().running());

    // KDE's animation speed: 0 means none, any other speed leaves GNOME's switch to decide.
    portal.change("org.kde.kdeglobals.KDE", "AnimationDurationFactor", 0.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !moves(); }));
    EXPECT_FALSE(form->boardView().motion().running());
    portal.change("org.kde.kdeglobals.KDE", "AnimationDurationFactor", 0.5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves(); }));
    // The player's own switch still counts on top of the desktop's.
    form->playerMenu().motionAction()->trigger();
    EXPECT_FALSE(moves());

    // GNOME's event sounds, read at the start like the rest.
    EXPECT_TRUE(form->desktopSwitches().eventSounds());
    portal.change("org.gnome.desktop.sound", "event-sounds", false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->desktopSwitches().eventSounds(); }));
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
