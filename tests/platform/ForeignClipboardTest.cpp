#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <optional>

#include "platform/ClipboardReader.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/ProcessMemory.h"
#include "tests/support/TestFiles.h"

// The clipboard held by another program, under X and under Wayland; these run on a private X
// server (tests/support/with_xvfb.sh) and on private Wayland compositors, Weston, Sway and KWin
// (tests/support/with_wayland.sh), and are skipped on the offscreen platform.
namespace {

using namespace std::chrono_literals;
using Outcome = ClipboardContent::Outcome;

class ForeignClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!ClipboardOwner::onForeignClipboard()) {
            GTEST_SKIP() << "needs X or Wayland; ctest runs these under Xvfb and Weston";
        }
        ASSERT_TRUE(folder.isValid());
        if (ClipboardOwner::onWayland()) {
            // The reader needs no window of ours, but the owner hands the keyboard back to one.
            window.resize(200, 200);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        }
    }
    void own(const QStringList& arguments) {
        owner.reset();
        owner = std::make_unique<ClipboardOwner>(arguments);
        ASSERT_TRUE(owner->owning());
    }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        testfiles::writeBytes(path, bytes);
        return path;
    }

    // One reading of the clipboard, as the window starts it: how long the call itself took, the
    // longest the event loop stood still meanwhile, and when the answer came.
    struct Reading {
        ClipboardContent content;
        int calls = 0;
        qint64 callMs = 0;
        qint64 longestStillMs = 0;
        qint64 answerMs = 0;
    };
    Reading read(QString wanted, qint64 maxBytes = 64 << 20) {
        Reading reading;
        ClipboardReader reader;
        QElapsedTimer clock;
        qint64 lastTick = 0;
        QTimer ticks;
        ticks.setInterval(10);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            reading.longestStillMs = std::max(reading.longestStillMs, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        ticks.start();
        clock.start();
        reader.read(
            [wanted](const QStringList& formats) {
                return formats.contains(wanted) ? wanted : QString();
            },
            2000ms, maxBytes,
            [&](const ClipboardContent& content) {
                reading.content = content;
                reading.answerMs = clock.elapsed();
                ++reading.calls;
            });
        reading.callMs = clock.elapsed();
        EXPECT_TRUE(QTest::qWaitFor([&] { return reading.calls > 0; }, 6000));
        QTest::qWait(50);  // an answer given twice would show here
        return reading;
    }

    QTemporaryDir folder;
    QWidget window;
    std::unique_ptr<ClipboardOwner> owner;
};

// A program that holds the clipboard and never answers, or answers and never delivers, is given
// up at one wait of 2 s in all; the caller never waits for it. Under Wayland the compositor says
// what an owner offers, so one that never answers is one that does not deliver.
TEST_F(ForeignClipboardTest, AnOwnerThatDoesNotDeliverIsGivenUpAfterOneWait) {
    const QString png = file("a.png", QByteArray(300'000, 'p'));
    const struct {
        QStringList owner;
        Outcome outcome;
    } cases[] = {
        {{"silent"}, ClipboardOwner::onWayland() ? Outcome::NotDelivered : Outcome::NoAnswer},
        {{"list", "image/png", "image/bmp", "image/gif"}, Outcome::NotDelivered},
        {{"drip", "image/png", png}, Outcome::NotDelivered},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.owner.join(' ').toStdString());
        own(c.owner);
        const Reading reading = read("image/png");
        EXPECT_EQ(reading.calls, 1);
        EXPECT_EQ(reading.content.outcome, c.outcome);
        EXPECT_TRUE(reading.content.bytes.isEmpty());
        EXPECT_LT(reading.callMs, 100);
        EXPECT_LT(reading.longestStillMs, 500);
        EXPECT_GE(reading.answerMs, 1900);
        EXPECT_LT(reading.answerMs, 3500);
    }
}

// Where the compositor tells what the clipboard holds with no window (Sway, KWin), reading it
// takes the keyboard from nobody: a window that holds it hears of no leave all along.
TEST_F(ForeignClipboardTest, DataArrivesWholeInOnePieceOrIncrementallyAndWithinItsLimit) {
    QByteArray large(9'000'000, '\0');  // more than one piece: sent incrementally
    for (qsizetype i = 0; i < large.size(); ++i) {
        large[i] = static_cast<char>(i * 7 % 251);
    }
    own({"serve", "text/plain", file("t.txt", "/home/player/beach.jpg"), "image/png",
         file("b.png", large)});
    QProcess keyboard;
    if (ClipboardOwner::dataControl()) {
        keyboard.start(QStringLiteral(WAYLAND_CLIPBOARD_OWNER), {"keyboard"});
        ASSERT_TRUE(keyboard.waitForReadyRead(15000));
        ASSERT_EQ(keyboard.readLine().trimmed(), "entered");
    }
    Reading reading = read("image/png");
    EXPECT_EQ(reading.content.outcome, Outcome::Delivered);
    EXPECT_TRUE(reading.content.formats.contains("text/plain"));
    EXPECT_EQ(reading.content.format, "image/png");
    EXPECT_EQ(reading.content.bytes, large);
    EXPECT_LT(reading.answerMs, 1500);

    EXPECT_EQ(read("text/plain").content.bytes, "/home/player/beach.jpg");
    EXPECT_EQ(read("image/png", 5'000'000).content.outcome, Outcome::TooLarge);
    EXPECT_EQ(read("image/webp").content.outcome, Outcome::NoneChosen);
    if (ClipboardOwner::dataControl()) {
        QTest::qWait(200);  // a leave, had there been one, would be told by now
        const QByteArray told = keyboard.readAll();
        std::printf("the window holding the keyboard lost it %lld times\n",
                    static_cast<long long>(told.count("left")));
        EXPECT_EQ(told, "");
    }

    owner.reset();
    // Weston keeps a copy of what its last owner offered; Sway and KWin keep none.
    if (!ClipboardOwner::onWayland() || ClipboardOwner::dataControl()) {
        EXPECT_EQ(read("image/png").content.outcome, Outcome::Empty);  // nobody holds it now
    }
}

// What a Wayland owner was seen to do to Qt's own reading: start sending only after 1.5 s, which
// the one wait still takes; and offer 600 MiB, which is given up as soon as the cap is passed,
// holding no more than the cap and never stopping the window.
TEST_F(ForeignClipboardTest, OnWaylandALateStartLoadsAndAFloodEndsAtTheCap) {
    if (!ClipboardOwner::onWayland()) {
        GTEST_SKIP() << "the X owner has neither";
    }
    const QByteArray picture(300'000, 'p');
    own({"slow", "1500", "image/png", file("late.png", picture)});
    const Reading late = read("image/png");
    std::printf("sending only after 1.5 s: %s after %lld ms, window still at most %lld ms\n",
                late.content.outcome == Outcome::Delivered ? "delivered" : "other", late.answerMs,
                late.longestStillMs);
    EXPECT_EQ(late.content.outcome, Outcome::Delivered);
    EXPECT_EQ(late.content.bytes, picture);
    EXPECT_GE(late.answerMs, 1400);
    EXPECT_LT(late.answerMs, 2000);
    EXPECT_LT(late.longestStillMs, 500);

    own({"flood", "text/plain", "0", "image/png", "600"});
    ASSERT_TRUE(restartPeakCount());
    const long before = residentKilobytes();
    const Reading flood = read("image/png", 128 << 20);
    const long rise = (peakResidentKilobytes() - before) >> 10;
    std::printf("600 MiB offered: %s after %lld ms, window still at most %lld ms, peak +%ld MiB\n",
                flood.content.outcome == Outcome::TooLarge ? "too large" : "other", flood.answerMs,
                flood.longestStillMs, rise);
    EXPECT_EQ(flood.content.outcome, Outcome::TooLarge);
    EXPECT_LT(flood.answerMs, 2000);
    EXPECT_LT(flood.longestStillMs, 500);
    EXPECT_LT(rise, 128 + 32);
}

}  // namespace
