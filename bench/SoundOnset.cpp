#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "game/window/SoundPlayer.h"
#include "platform/SequenceRandom.h"

// Plays one Slide move into each corner of the board, a game each, with the sound program and
// sounds named on the command line, and prints the moment of each click on the monotonic clock,
// for scripts/measure-sound.sh to find each sound's onset in what the sound server played.
// usage: sound_onset PROGRAM SOUND-FOLDER
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sound_onset PROGRAM SOUND-FOLDER\n");
        return 2;
    }
    SoundPlayer::setProgram(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    // The gap (the last tile) in each corner, and the neighbour whose tile slides into it.
    const struct {
        int corner;
        int neighbour;
    } moves[] = {{0, 1}, {3, 2}, {12, 13}, {15, 14}};
    for (const auto& move : moves) {
        std::vector<int> cells{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        std::swap(cells[15], cells[static_cast<size_t>(move.corner)]);
        BenchWindow window(std::make_unique<SequenceRandom>(dealDraws(cells)));
        Form1& form = window.form();
        form.Option1->click();
        form.PushButton2_Click();
        QTest::qWait(1500);  // the sound program starts with the game and readies its sounds
        const auto clicked = std::chrono::steady_clock::now().time_since_epoch();
        QTest::mouseClick(form.boardView().control(move.neighbour), Qt::LeftButton);
        std::printf("click %d %lld\n", move.corner,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(clicked).count()));
        std::fflush(stdout);
        QTest::qWait(700);
        if (!window.problems().empty()) {
            std::fprintf(stderr, "%s\n", window.problems().c_str());
            return 1;
        }
    }
    return 0;
}
