#include "scores/HighScoreList.h"

#include <QCoreApplication>

#include "scores/Score.h"

std::string highScoreListHeading() {
    return QCoreApplication::translate("HighScore", "Player Name\tScore\r\n\r\n").toStdString();
}

std::string highScoreListLine(const ScoreRow& row) {
    return row.name + "\t\t" + scoreForReading(scoreText(row.score)) + "\r\n";
}

std::string highScoreListTitle(const std::string& optionCaption) {
    return QCoreApplication::translate("HighScore", "%1 high scores")
        .arg(QString::fromStdString(optionCaption))
        .toStdString();
}
