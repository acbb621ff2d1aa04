#include "scores/Score.h"

#include <QLocale>
#include <QString>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

constexpr int kSignificantDigits = 15;
// Every double's fractional part ends within 1074 binary places, and so within 1074 decimal ones.
constexpr int kExactFractionDigits = 1074;
constexpr std::size_t kExactDigitsBuffer = 309 + 2 + kExactFractionDigits + 1;

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

// "12.99" becomes "13.00", "99.99" becomes "100.00".
void addOneInLastPlace(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '.') {
            continue;
        }
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(0, "1");
}

}  // namespace

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
    if (!std::isfinite(score)) {
        return scoreText(score);
    }
    // Rounding to two places would take an exact half to even ("583.12" for 583.125). The exact
    // decimal expansion of the double tells whether what lies past the second decimal reaches a
    // half, so the rounding is done by hand, away from zero. to_chars writes '.' whatever the
    // C library's locale (a German desktop's printf writes "46,67").
    std::vector<char> buffer(kExactDigitsBuffer);
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(score),
                      std::chars_format::fixed, kExactFractionDigits);
    std::string digits(buffer.data(), written.ptr);
    const std::size_t point = digits.find('.');
    const bool roundUp = digits[point + 3] >= '5';
    digits.resize(point + 3);
    if (roundUp) {
        addOneInLastPlace(digits);
    }
    if (score < 0 && digits.find_first_not_of("0.") != std::string::npos) {
        digits.insert(0, "-");
    }
    return digits;
}

std::string scoreForReading(const std::string& text) {
    const QString point = QLocale().decimalPoint();
    if (point == QStringLiteral(".")) {
        return text;
    }
    return QString::fromStdString(text).replace(u'.', point).toStdString();
}
