#pragma once

#include <string>

// The score as stored and listed: at most 15 significant digits, '.' as the separator, no trailing
// zeros, no point for a whole number ("513.916083916084", "0", "605").
std::string scoreText(double score);
// The value scoreText writes, read back: what the table stores and compares against.
double storedScore(double score);
// The score as the window shows it: two decimals, exact halves rounded away from zero ("513.92",
// 583.125 as "583.13").
std::string scoreDisplay(double score);
// A score's text with the decimal separator of the language the window speaks (QLocale's default:
// "513,92" in German); English keeps '.'. The table always stores the '.' form.
std::string scoreForReading(const std::string& text);
