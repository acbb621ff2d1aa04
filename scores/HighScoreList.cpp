#include "scores/HighScoreList.h"

#include "scores/Score.h"

std::string highScoreListHeading() {
    return "Player Name\tScore\r\n\r\n";
}

std::string highScoreListLine(const ScoreRow& row) {
    return row.name + "\t\t" + scoreText(row.score) + "\r\n";
}

std::string highScoreListTitle(const std::string& optionCaption) {
    return optionCaption + " high scores";
}
