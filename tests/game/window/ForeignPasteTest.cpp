#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cstdio>

#include "game/window/PlayerMenu.h"
#include "tests/game/window/GameFixture.h"
#include "tests/support/ClipboardOwner.h"

// Ctrl+V in the real window while another program holds the clipboard, under X and under Wayland.
// These run on a private X server (tests/support/with_xvfb.sh) and on private Wayland compositors,
// Weston, Sway and KWin (tests/support/with_wayland.sh), and are skipped on the offscreen platform.
namespace {

class ForeignPasteTest : public GameTest {
protected:
    void SetUp() override {
        if (!ClipboardOwner::onForeignClipboard()) {
            GTEST_SKIP() << "needs X or Wayland; ctest runs these under Xvfb and Weston";
        }
        openWindow();
        form->activateWindow();
        ASSERT_TRUE(waitUntilActive());
    }
    // Under Wayland the compositor activates the window in its own time, and again after another
    // program's window had the keyboard; Qt 6.4 cannot wait for that itself there.
    bool waitUntilActive() {
        return QTest::qWaitFor(
            [&] {
                return form->isActiveWindow() &&
                       QGuiApplication::focusWindow() == form->windowHandle();
            },
            5000);
    }

    QString picture(const QString& name, int side, const char* format = "PNG") {
        const QString path = folderPath("/" + name);
        testfiles::writeCellPicture(path, side, side, format);
        return path;
    }
    bool showsCellPicture() const {
        const QImage& p = form->puzzlePicture();
        return !p.isNull() && p.pixelColor(50, 50) == testfiles::cellColor(0) &&
               p.pixelColor(350, 350) == testfiles::cellColor(15);
    }

    // Presses Ctrl+V and waits for the paste to end: how long the key itself took, the longest
    // the window's event loop stood still, when the paste ended, and how often the keyboard went
    // from the game's window and came back meanwhile.
    struct Paste {
        qint64 keyMs = 0;
        qint64 longestStillMs = 0;
        qint64 endMs = 0;
        bool keyArrived = true;
        int focusChanges = 0;
    };
    // How Ctrl+V is typed: at once (xdotool's own key, press and release together), or as a person
    // types it, Ctrl down first, V held 120 ms, then both let go.
    enum class Typing { AtOnce, AsAPerson };
    Paste paste(const char* what, Typing typing = Typing::AtOnce) {
        Paste paste;
        EXPECT_TRUE(waitUntilActive());
        const QMetaObject::Connection focus = QObject::connect(
            qApp, &QGuiApplication::focusWindowChanged, [&](QWindow*) { ++paste.focusChanges; });
        const auto unwatch = qScopeGuard([&] { QObject::disconnect(focus); });
        QElapsedTimer clock;
        qint64 lastTick = 0;
        QTimer ticks;
        ticks.setInterval(10);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            paste.longestStillMs = std::max(paste.longestStillMs, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        ticks.start();
        clock.start();
        if (ClipboardOwner::onWayland()) {
            // Qt matches shortcuts under Wayland by the key's scan code, which only a real key
            // has: it comes through Weston, from the X server Weston runs in.
            const qint64 picture = form->puzzlePicture().cacheKey();
            const size_t messages = dialogs.messages.size();
            // The key goes where the compositor's keyboard is: back on the game once the owner's
            // window has gone, which under load may take a moment.
            // A key that went nowhere (the game not yet holding the keyboard) is sent again;
            // times count from the key that arrived.
            EXPECT_TRUE(QTest::qWaitFor([&] { return form->isActiveWindow(); }, 5000));
            bool arrived = false;
            for (int attempt = 0; attempt < 5 && !arrived; ++attempt) {
                clock.restart();
                lastTick = 0;
                QProcess typist;
                typist.start("xdotool", typing == Typing::AtOnce
                                            ? QStringList{"key", "ctrl+v"}
                                            : QStringList{"keydown", "ctrl", "sleep", "0.04",
                                                          "keydown", "v", "sleep", "0.12", "keyup",
                                                          "v", "sleep", "0.03", "keyup", "ctrl"});
                EXPECT_TRUE(typist.waitForStarted());
                paste.keyMs = clock.elapsed();
                arrived = QTest::qWaitFor(
                    [&] {
                        return form->pasteUnderWay() || form->state() == WindowState::Loading ||
                               form->puzzlePicture().cacheKey() != picture ||
                               dialogs.messages.size() != messages;
                    },
                    1000);
                // Every key let go before the next is typed: on a busy machine xdotool's Ctrl may
                // still be down when the next key comes, which then means something else.
                EXPECT_TRUE(
                    QTest::qWaitFor([&] { return typist.state() == QProcess::NotRunning; }, 5000));
            }
            if (!arrived) {
                // Weston 14 does not always give the keyboard back to the game when the owner's
                // window closes; with no key, there is no paste to judge.
                paste.keyArrived = false;
                return paste;
            }
        } else {
            QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier);
            paste.keyMs = clock.elapsed();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form->pasteUnderWay(); }, 6000));
        settle();
        paste.endMs = clock.elapsed();
        const auto reports = dialogs.errorReports();
        std::printf(
            "paste, %s: key %lld ms, window still at most %lld ms, ended after %lld ms, keyboard "
            "moved %d times, %s\n",
            what, paste.keyMs, paste.longestStillMs, paste.endMs, paste.focusChanges,
            reports.empty() ? "no report" : reports.back().text.c_str());
        return paste;
    }
};

TEST_F(ForeignPasteTest, AnOwnerThatDoesNotDeliverNeverStopsTheWindowAndIsNamedInTheReport) {
    const QString png = picture("slow.png", 400);
    const struct {
        QStringList owner;
        const char* report;
    } cases[] = {
        {{"silent"},
         ClipboardOwner::onWayland()
             ? "the program holding the clipboard did not deliver its picture"
             : "the program holding the clipboard did not answer"},
        {{"list", "image/png", "image/bmp", "image/gif", "image/jpeg", "image/tiff", "image/webp",
          "image/x-xpixmap", "image/x-portable-pixmap", "image/vnd.microsoft.icon", "image/ico"},
         "the program holding the clipboard did not deliver its picture"},
        {{"list", "image/png"}, "the program holding the clipboard did not deliver its picture"},
        {{"drip", "image/png", png},
         "the program holding the clipboard did not deliver its picture"},
    };
    for (const auto& c : cases) {
        const std::string what = c.owner.mid(0, 2).join(' ').toStdString();
        SCOPED_TRACE(what);
        ClipboardOwner owner(c.owner);
        ASSERT_TRUE(owner.owning());
        const Paste p = paste(what.c_str());
        ASSERT_TRUE(p.keyArrived) << "the keyboard never came back to the game";
        EXPECT_LT(p.keyMs, 100);
        EXPECT_LT(p.longestStillMs, 500);
        EXPECT_LT(p.endMs, 3500);
        const auto reports = dialogs.errorReports();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].text.find("Form_Paste at line 110"), std::string::npos);
        EXPECT_NE(reports[0].text.find(c.report), std::string::npos) << reports[0].text;
        dialogs.messages.clear();
        EXPECT_TRUE(form->puzzlePicture().isNull());
    }
}

// What other programs offer: a large PNG under Qt's own type, XPM under its other names, a copied
// file, a file name as text. Where the compositor reads out the clipboard with no window, and
// under X, the game's window keeps the keyboard all along: the next key goes to it.
TEST_F(ForeignPasteTest, PictureDataUnderEveryNameAndCopiedFilesLoad) {
    const QString large = picture("large.png", 8000);
    QElapsedTimer fileLoad;
    fileLoad.start();
    form->Form_CommandLine({large});
    settle();
    std::printf("the same PNG as a file: %lld ms to load, %lld bytes\n", fileLoad.elapsed(),
                QFileInfo(large).size());
    const QString xpm = picture("small.xpm", 64, "XPM");
    const QString file = picture("copied.bmp", 400, "BMP");
    const QString copied = folderPath("/copied.txt");
    testfiles::writeBytes(copied, "copy\n" + QUrl::fromLocalFile(file).toEncoded());
    const QString named = folderPath("/named.txt");
    testfiles::writeBytes(named, file.toUtf8());
    const QStringList offers[] = {
        {"application/x-qt-image", large},
        {"image/xpm", xpm},
        {"image/x-xpm", xpm},
        {"x-special/gnome-copied-files", copied},
        {"UTF8_STRING", named, "TEXT", named},
    };
    for (const QStringList& offer : offers) {
        SCOPED_TRACE(offer.first().toStdString());
        loadPlainPicture();
        ClipboardOwner owner(QStringList{"serve"} + offer);
        ASSERT_TRUE(owner.owning());
        const Paste p = paste(offer.first().toLatin1().constData());
        ASSERT_TRUE(p.keyArrived) << "the keyboard never came back to the game";
        if (!ClipboardOwner::onWayland() || ClipboardOwner::dataControl()) {
            EXPECT_EQ(p.focusChanges, 0);
            EXPECT_TRUE(form->isActiveWindow());
            EXPECT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
        }
        EXPECT_TRUE(showsCellPicture());
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.back().text;
        dialogs.messages.clear();
    }
}

// Pastes typed as a person types them, several in one game, and then the game still answers its
// keys: Shift+F10 opens its menu. ctest's wayland.stress runs this game after game on every
// compositor, where a paste once took the keyboard from the game for good.
TEST_F(ForeignPasteTest, PastesTypedAsAPersonTypesAllLoadAndTheGameStillAnswersItsKeys) {
    const QString png = picture("typed.png", 400);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        loadPlainPicture();
        ClipboardOwner owner({"serve", "image/png", png});
        ASSERT_TRUE(owner.owning());
        const Paste p = paste("typed as a person types", Typing::AsAPerson);
        ASSERT_TRUE(p.keyArrived);
        EXPECT_TRUE(showsCellPicture());
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.back().text;
        dialogs.messages.clear();
    }
    if (!ClipboardOwner::onWayland()) {
        return;  // under X the keys above were Qt's own, not the server's
    }
    ASSERT_TRUE(waitUntilActive());
    EXPECT_TRUE(QProcess::startDetached("xdotool", {"key", "shift+F10"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->playerMenu().isVisible(); }, 5000))
        << "the menu key reached the game no more";
    // Closed from here: an Escape typed at once may come before the compositor has given the menu
    // the keyboard (seen on KWin), and then nothing closes it.
    form->playerMenu().close();
}

}  // namespace
