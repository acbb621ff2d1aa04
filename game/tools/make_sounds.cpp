// Draws the game's sounds into a folder, as 16-bit stereo WAV files: for each cell of the 4 x 4
// board a slide, a swap and a click that moves nothing, placed left to right by the cell's column
// (the balance is in the samples themselves) and pitched by its row, higher at the top; and one
// chord for a formed picture. Usage: make_sounds FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "board/PuzzleGame.h"

namespace {

constexpr int kRate = 22050;
constexpr int kSide = PuzzleGame::kSide;

struct Stereo {
    std::vector<double> left;
    std::vector<double> right;
};

// A tone of `seconds` with a quick rise and a falling tail, its pitch gliding from `from` to
// `to` Hz, added at `start` seconds with the balance `pan` (-1 left, 1 right).
void addTone(Stereo& sound, double start, double seconds, double from, double to, double level,
             double pan) {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;  // equal loudness across
    const double left = std::cos(angle) * level;
    const double right = std::sin(angle) * level;
    const auto first = static_cast<size_t>(start * kRate);
    const auto count = static_cast<size_t>(seconds * kRate);
    if (sound.left.size() < first + count) {
        sound.left.resize(first + count);
        sound.right.resize(first + count);
    }
    double phase = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = from + (to - from) * (t / seconds);
        phase += 2.0 * std::numbers::pi * frequency / kRate;
        const double rise = std::min(1.0, t / 0.004);
        const double fall = std::exp(-4.0 * t / seconds) * (1.0 - t / seconds);
        // A little of the octave above makes it a soft wooden knock rather than a beep.
        const double wave = std::sin(phase) + 0.25 * std::sin(2.0 * phase);
        sound.left[first + i] += wave * rise * fall * left;
        sound.right[first + i] += wave * rise * fall * right;
    }
}

bool writeWav(const std::filesystem::path& path, const Stereo& sound) {
    std::vector<int16_t> samples;
    samples.reserve(sound.left.size() * 2);
    for (size_t i = 0; i < sound.left.size(); ++i) {
        for (double v : {sound.left[i], sound.right[i]}) {
            samples.push_back(static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
        }
    }
    const auto dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    std::ofstream out(path, std::ios::binary);
    auto put32 = [&](uint32_t v) {
        const unsigned char b[4] = {
            static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        out.write(reinterpret_cast<const char*>(b), 4);
    };
    auto put16 = [&](uint16_t v) {
        const unsigned char b[2] = {static_cast<unsigned char>(v),
                                    static_cast<unsigned char>(v >> 8)};
        out.write(reinterpret_cast<const char*>(b), 2);
    };
    out.write("RIFF", 4);
    put32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(16);
    put16(1);  // integer samples
    put16(2);
    put32(kRate);
    put32(kRate * 4);
    put16(4);
    put16(16);
    out.write("data", 4);
    put32(dataBytes);
    for (int16_t s : samples) {
        put16(static_cast<uint16_t>(s));
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    bool written = true;
    for (int row = 0; row < kSide; ++row) {
        // A major third between rows, the top row highest.
        const double pitch = 660.0 * std::pow(2.0, -4.0 * row / 12.0);
        for (int column = 0; column < kSide; ++column) {
            const double pan = -0.9 + 1.8 * column / (kSide - 1);
            const std::string cell = std::to_string(row + 1) + "-" + std::to_string(column + 1);
            Stereo slide;
            addTone(slide, 0.0, 0.12, pitch * 1.12, pitch, 0.5, pan);
            Stereo swap;
            addTone(swap, 0.0, 0.07, pitch, pitch, 0.45, pan);
            addTone(swap, 0.06, 0.09, pitch * 1.5, pitch * 1.5, 0.45, pan);
            Stereo still;
            addTone(still, 0.0, 0.05, pitch / 2, pitch / 2, 0.35, pan);
            written = writeWav(folder / ("slide-" + cell + ".wav"), slide) && written;
            written = writeWav(folder / ("swap-" + cell + ".wav"), swap) && written;
            written = writeWav(folder / ("still-" + cell + ".wav"), still) && written;
        }
    }
    Stereo formed;
    const double chord[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        addTone(formed, 0.09 * i, 0.6, chord[i], chord[i], 0.22, 0.0);
    }
    written = writeWav(folder / "formed.wav", formed) && written;
    if (!written) {
        std::fprintf(stderr, "make_sounds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
