#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "platform/ClipboardReader.h"
#include "tests/support/ClipboardOwner.h"
#include "tests/support/TestFiles.h"

// The clipboard held by another program under X; these run on a private X server of their own
// (tests/support/with_xvfb.sh), and are skipped on the offscreen platform.
namespace {

using namespace std::chrono_literals;
using Outcome = ClipboardContent::Outcome;

class X11ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X server; ctest runs these under Xvfb";
        }
        ASSERT_TRUE(folder.isValid());
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
    std::unique_ptr<ClipboardOwner> owner;
};

// A program that holds the clipboard and never answers, or answers and never delivers, is given
// up at one wait of 2 s in all; the caller never waits for it.
TEST_F(X11ClipboardTest, AnOwnerThatDoesNotDeliverIsGivenUpAfterOneWait) {
    const QString png = file("a.png", QByteArray(300'000, 'p'));
    const struct {
        QStringList owner;
        Outcome outcome;
    } cases[] = {
        {{"silent"}, Outcome::NoAnswer},
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

TEST_F(X11ClipboardTest, DataArrivesWholeInOnePieceOrIncrementallyAndWithinItsLimit) {
    QByteArray large(9'000'000, '\0');  // more than one piece: sent incrementally
    for (qsizetype i = 0; i < large.size(); ++i) {
        large[i] = static_cast<char>(i * 7 % 251);
    }
    own({"serve", "text/plain", file("t.txt", "/home/player/beach.jpg"), "image/png",
         file("b.png", large)});
    Reading reading = read("image/png");
    EXPECT_EQ(reading.content.outcome, Outcome::Delivered);
    EXPECT_TRUE(reading.content.formats.contains("text/plain"));
    EXPECT_EQ(reading.content.format, "image/png");
    EXPECT_EQ(reading.content.bytes, large);
    EXPECT_LT(reading.answerMs, 1500);

    EXPECT_EQ(read("text/plain").content.bytes, "/home/player/beach.jpg");
    EXPECT_EQ(read("image/png", 5'000'000).content.outcome, Outcome::TooLarge);
    EXPECT_EQ(read("image/webp").content.outcome, Outcome::NoneChosen);

    owner.reset();
    EXPECT_EQ(read("image/png").content.outcome, Outcome::Empty);  // nobody holds it now
}

}  // namespace
