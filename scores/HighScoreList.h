#pragma once

#include <string>

#include "scores/ScoreDatabase.h"

// "Player Name" TAB "Score" CR LF CR LF.
std::string highScoreListHeading();
// Name, two tabs, the score in its stored text form, CR LF.
std::string highScoreListLine(const ScoreRow& row);
// "Slide high scores" or "Swap high scores".
std::string highScoreListTitle(const std::string& optionCaption);
