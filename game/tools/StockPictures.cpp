#include "game/tools/StockPictures.h"

const std::vector<StockPicture>& stockPictures() {
    static const std::vector<StockPicture> pictures = {
        {QStringLiteral("Numbers.jpg"), drawNumberedBoard},
        {QStringLiteral("Balloons.jpg"), drawBalloonScene},
        {QStringLiteral("Reef.jpg"), drawReefScene},
    };
    return pictures;
}
