// The decoding program as the game runs it: its reply read back in-process, its limits, its
// deadline, and its end by a crash or a kill; every failure is one report, and the next picture
// loads.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#ifndef _WIN32
#include <csignal>
#endif

#include "game/decoder/PictureDecoding.h"
#include "game/pictures/DecoderLimits.h"
#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"
#include "tests/support/TestFiles.h"

namespace {

// Restores the decoding program and its limits a test changed.
class DecoderProcessTest : public ::testing::Test {
protected:
    void TearDown() override {
        setDecodeLimits(defaultDecodeLimits());
        setDecoderProgram(program_);
    }

    QString save(const QString& name, const QImage& image, const char* format) {
        const QString path = temp_.filePath(name);
        EXPECT_TRUE(QImageWriter(path, format).write(image));
        return path;
    }

    // A picture, red on the left and blue on the right.
    QString halves(const QString& name, int width, int height, const char* format) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
        return save(name, image, format);
    }

    static std::string refusal(const QString& path) {
        try {
            loadPuzzlePicture(path, kPuzzlePictureSide);
        } catch (const Failure& failure) {
            return failure.description();
        }
        return "";
    }
    static std::string refusal(DecoderJob& job) {
        job.waitForFinished();
        try {
            job.picture();
        } catch (const Failure& failure) {
            return failure.description();
        }
        return "";
    }

    static std::string cannotLoad(const QString& path) {
        return "Cannot load the picture " + testfiles::nativePath(path) + ": ";
    }

    QTemporaryDir temp_;
    QString program_ = decoderProgram();
};

DecodeReply replyTo(const DecodeRequest& request) {
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    decodeAndReply(request, output);
    return readReply(output.data());
}

TEST_F(DecoderProcessTest, TheEntryPointAnswersARequestWithTheSquareOrACodeTheGameWords) {
    // A picture's bytes, decoded in this process as the fuzzers do.
    QFile file(halves("photo.png", 300, 100, "png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    DecodeRequest request;
    request.side = 40;
    request.name = QStringLiteral("pasted");
    request.bytes = file.readAll();
    DecodeReply reply = replyTo(request);
    ASSERT_TRUE(reply.finished);
    EXPECT_FALSE(reply.refusal);
    EXPECT_EQ(reply.statedWidth, 300);
    EXPECT_EQ(reply.statedHeight, 100);
    ASSERT_EQ(reply.side, 40);
    ASSERT_EQ(reply.pixels.size(), 40 * 40 * 4);
    const QImage square(reinterpret_cast<const uchar*>(reply.pixels.constData()), 40, 40,
                        QImage::Format_RGB32);
    EXPECT_EQ(square.pixel(5, 20), qRgb(255, 0, 0));
    EXPECT_EQ(square.pixel(35, 20), qRgb(0, 0, 255));

    // A request cut short, a square out of range, and a file that is gone.
    QBuffer input;
    input.setData(encodeRequest(request).left(30));
    input.open(QIODevice::ReadOnly);
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    EXPECT_EQ(runDecoder(input, output), 0);
    EXPECT_EQ(readReply(output.data()).refusal, DecodeRefusal::BadRequest);
    request.side = kMaxPuzzlePictureSide + 1;
    EXPECT_EQ(replyTo(request).refusal, DecodeRefusal::BadRequest);
    request.side = 40;
    request.path = temp_.filePath("gone.png");
    reply = replyTo(request);
    EXPECT_EQ(reply.refusal, DecodeRefusal::FileRefused);
    EXPECT_EQ(reply.code, 1);  // FileRefusal::Missing

    // A reply cut anywhere is unfinished, never a picture.
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    request.path.clear();
    decodeAndReply(request, whole);
    for (const qsizetype kept : {qsizetype{3}, qsizetype{12}, whole.data().size() - 1}) {
        EXPECT_FALSE(readReply(whole.data().left(kept)).finished) << kept;
    }
}

TEST_F(DecoderProcessTest, APictureThatOutgrowsTheMemoryLimitIsTooLargeAndLoadsWithinIt) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's own limits count its shadow and quarantine";
#endif
    if (testfiles::runsUnderWine()) {
        GTEST_SKIP() << "Wine accepts a job object's process memory limit but does not enforce "
                        "it; only Windows can";
    }
    const QString large = halves("large.bmp", 7000, 5000, "bmp");  // 134 MiB decoded
    DecodeLimits tight = defaultDecodeLimits();
    tight.memoryBytes = 120LL << 20;
    setDecodeLimits(tight);
    EXPECT_EQ(refusal(large), cannotLoad(large) + "the picture is too large (7000 x 5000 pixels)");
    const QString small = halves("small.png", 400, 300, "png");
    EXPECT_EQ(refusal(small), "");
    setDecodeLimits(defaultDecodeLimits());
    EXPECT_EQ(refusal(large), "");
}

TEST_F(DecoderProcessTest, ADecoderPastItsDeadlineIsEndedAndTheReportSaysTooLarge) {
    const QString large = halves("large.bmp", 7000, 5000, "bmp");
    DecodeLimits hurried = defaultDecodeLimits();
    hurried.deadline = std::chrono::milliseconds(1);
    setDecodeLimits(hurried);
    QElapsedTimer clock;
    clock.start();
    const std::string description = refusal(large);
    EXPECT_TRUE(description ==
                    cannotLoad(large) + "the picture is too large (7000 x 5000 pixels)" ||
                description == cannotLoad(large) + "the picture is too large to decode")
        << description;
    EXPECT_LT(clock.elapsed(), 1000);  // it did not wait for the decode
}

// On Linux the decoder answers its processor limit itself; on Windows the job object ends it
// without a word, and the game tells that end from a crash by the time the job has used.
TEST_F(DecoderProcessTest, ADecoderOutOfProcessorTimeAnswersTooLarge) {
    if (testfiles::runsUnderWine()) {
        GTEST_SKIP() << "Wine accepts a job object's processor limit but does not enforce it; "
                        "only Windows can";
    }
    // Qt's XBM reader takes seconds of processor time for a large one.
    const QString slow = temp_.filePath("slow.xbm");
    QFile xbm(slow);
    ASSERT_TRUE(xbm.open(QIODevice::WriteOnly));
    xbm.write("#define big_width 9000\n#define big_height 9000\nstatic char big_bits[] = {\n");
    const QByteArray line("0x0f, 0x0f, 0x0f, 0x0f, 0x0f, 0x0f, 0x0f, 0x0f, 0x0f, 0x0f,\n");
    for (int i = 0; i < 9000 * 9000 / 8 / 10; ++i) {
        xbm.write(line);
    }
    xbm.write("};\n");
    xbm.close();
    DecodeLimits spent = defaultDecodeLimits();
    spent.processorTime = std::chrono::seconds(1);
    setDecodeLimits(spent);
    EXPECT_EQ(refusal(slow), cannotLoad(slow) + "the picture is too large (9000 x 9000 pixels)");
}

// A decoder that cannot be put under its limits is never handed a picture, and the report names
// the step that failed with the system's reason, not Qt's "Unknown error" for a started program.
TEST_F(DecoderProcessTest, ADecoderThatCannotBeConfinedIsNamedWithTheStepThatFailed) {
#ifndef _WIN32
    GTEST_SKIP() << "Linux sets the limits between fork and exec, where a failure ends the child";
#else
    QProcess notStarted;  // no process to open and put in the job
    DecoderConfinement confinement(notStarted, defaultDecodeLimits());
    EXPECT_FALSE(confinement.confine());
    const QString failure = confinement.failure();
    EXPECT_TRUE(failure.startsWith(QStringLiteral("OpenProcess: "))) << failure.toStdString();
    EXPECT_GT(failure.size(), QStringLiteral("OpenProcess: ").size());
    EXPECT_FALSE(failure.contains(QStringLiteral("Unknown error"))) << failure.toStdString();
#endif
}

TEST_F(DecoderProcessTest, ADecoderKilledOrCrashingMidLoadIsOneReportAndTheNextPictureLoads) {
#ifdef _WIN32
    GTEST_SKIP() << "SIGKILL and a shell script stand in for the decoder on Unix only";
#else
    const QString large = halves("large.bmp", 6000, 4000, "bmp");
    // Killed while it works, as by the system or a player's task manager.
    const auto killed = startFileDecoding(large, kPuzzlePictureSide);
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    EXPECT_EQ(refusal(*killed), cannotLoad(large) + "the file is damaged or is not a picture");

    // A decoder that crashes, or answers with nonsense, is the same.
    const QString crashing = temp_.filePath("crashing-decoder");
    QFile script(crashing);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nhead -c 10 >/dev/null\nprintf 'nonsense'\nkill -SEGV $$\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setDecoderProgram(crashing);
    EXPECT_EQ(refusal(large), cannotLoad(large) + "the file is damaged or is not a picture");

    // A decoder that is missing is reported as such.
    setDecoderProgram(temp_.filePath("no-such-decoder"));
    EXPECT_NE(refusal(large).find("Cannot start the picture decoder"), std::string::npos);

    setDecoderProgram(program_);
    EXPECT_EQ(refusal(large), "");
#endif
}

// A load given up (the window closing) ends its decoder at once; a file read again is read only
// while it holds what the decoder read the first time, by the digest the decoder reports.
TEST_F(DecoderProcessTest, ALoadGivenUpEndsItsDecoderAndAFileIsReadAgainOnlyUnchanged) {
    const QString large = halves("large.bmp", 3000, 2000, "bmp");
#ifndef _WIN32
    auto givenUp = startFileDecoding(large, kPuzzlePictureSide);
    const auto pid = static_cast<pid_t>(givenUp->processId());
    ASSERT_GT(pid, 0);
    givenUp.reset();
    EXPECT_NE(::kill(pid, 0), 0) << "the decoder outlived its load";
#endif
    const QString path = halves("picture.png", 40, 40, "png");
    const auto first = startFileDecoding(path, kPuzzlePictureSide);
    EXPECT_EQ(refusal(*first), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray digest = contentDigest(file);
    file.close();
    EXPECT_EQ(first->reply().digest, digest);
    EXPECT_EQ(first->reply().digest.size(), 32);

    const auto same = startFileDecoding(path, kPuzzlePictureSide, digest);
    EXPECT_EQ(refusal(*same), "");
    EXPECT_EQ(same->reply().digest, digest);
    halves("picture.png", 40, 41, "png");  // another picture under the same name
    const auto changed = startFileDecoding(path, kPuzzlePictureSide, digest);
    changed->waitForFinished();
    EXPECT_EQ(changed->reply().refusal, DecodeRefusal::Changed);
    EXPECT_TRUE(changed->reply().pixels.isEmpty());
}

}  // namespace
