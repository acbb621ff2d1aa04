#include "scores/Score.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kSignificantDigits = 15;

// Digits of |value| rounded to 15 significant ones, trailing zeros dropped, and the power of ten
// of the first digit.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (std::size_t i = pos; i < e; ++i) {
        if (text[i] != '.') {
            d.digits.push_back(text[i]);
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.exponent);
    return d;
}

}  // namespace

double gameScore(double moves, Int16 elapsedSeconds, const clsBoard& board, bool formedBonus) {
    // A picture can be formed, or a game ended, before the clock counts its first second; that
    // game is scored as one second long rather than failing on the division.
    const int seconds = elapsedSeconds.value() == 0 ? 1 : elapsedSeconds.value();
    double score = moves / seconds * 50;
    if (formedBonus) {
        score += 100;
    }
    const int rows = board.totalRows().value();
    const int columns = board.totalColumns().value();
    int k = 0;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            const clsBoard::TileRef tile = board.Tile(row, column);
            // The bonus is added one tile at a time so the sum rounds the same way in every game.
            if (tile && tile->imageIndex().value() == k) {
                score += 30;
            }
            ++k;
        }
    }
    return score;
}

std::string scoreText(double score) {
    if (!std::isfinite(score)) {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, score);
        return std::string(buffer, result.ptr);
    }
    if (score == 0) {
        return "0";  // also for -0
    }
    // Written out in full, never in exponent form, so every stored score reads the same way in
    // the list whatever its size.
    const Decimal d = toDecimal(score);
    std::string text = d.negative ? "-" : "";
    const auto digitCount = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += d.digits;
    } else if (d.exponent + 1 >= digitCount) {
        text += d.digits;
        text.append(static_cast<std::size_t>(d.exponent + 1 - digitCount), '0');
    } else {
        const auto point = static_cast<std::size_t>(d.exponent + 1);
        text += d.digits.substr(0, point);
        text += '.';
        text += d.digits.substr(point);
    }
    return text;
}

double storedScore(double score) {
    const std::string text = scoreText(score);
    double value = score;  // infinities and NaN pass through unchanged
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string scoreDisplay(double score) {
    char buffer[512];  // enough for the largest double in fixed notation
    std::snprintf(buffer, sizeof buffer, "%.2f", score);
    std::string text = buffer;
    if (text == "-0.00") {
        return "0.00";
    }
    return text;
}
