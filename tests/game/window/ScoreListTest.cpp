#include <QFile>

#include "tests/game/window/GameFixture.h"

namespace {

TEST_F(GameTest, HighScoresListsTheSelectedTypesTable) {
    {
        ScoreDatabase database;
        database.openScoreDatabase(folderPath("/hiscore.mdb"));
        database.updateRow("tblSwap", 2, 513.916083916084, "Zoë");
    }
    openWindow();
    click(form->PushButton3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Slide high scores");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    std::string expected = "Player Name\tScore\r\n\r\n";
    for (int i = 0; i < 10; ++i) {
        expected += "\t\t0\r\n";
    }
    EXPECT_EQ(dialogs.messages[0].text, expected);

    selectSwap();  // no game needed to see the other list
    click(form->PushButton3);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].title, "Swap high scores");
    EXPECT_NE(dialogs.messages[1].text.find("\t\t0\r\nZoë\t\t513.916083916084\r\n\t\t0\r\n"),
              std::string::npos);
}

TEST_F(GameTest, MissingScoreFileGivesOneReportAndNoList) {
    openWindow();
    ASSERT_TRUE(QFile::remove(folderPath("/hiscore.mdb")));
    click(form->PushButton3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Application Error");
    EXPECT_NE(dialogs.messages[0].text.find("PushButton3_Click at line 100"), std::string::npos);
    EXPECT_FALSE(QFile::exists(folderPath("/hiscore.mdb")));
}

}  // namespace
