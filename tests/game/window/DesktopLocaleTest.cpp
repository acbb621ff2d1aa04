#include <QCoreApplication>
#include <QImage>
#include <clocale>
#include <string>

#include "platform/Translations.h"
#include "scores/Score.h"
#include "tests/game/window/GameFixture.h"

namespace {

// What a player sees under the desktop's locale, with the catalogues installed as the game
// installs them. CTest runs these once more under real German, Russian, and English-with-German-
// numbers locales (tests/CMakeLists.txt); TAVLORA_EXPECT_LANGUAGE and TAVLORA_EXPECT_POINT say what
// the window speaks there and which decimal separator it writes.
class DesktopLocaleTest : public GameTest {
protected:
    void SetUp() override {
        expectedLanguage = qEnvironmentVariable("TAVLORA_EXPECT_LANGUAGE");
        point = qEnvironmentVariable("TAVLORA_EXPECT_POINT", QStringLiteral("."));
        // Qt set the C library's locale from the environment at start; a locale that is not
        // generated leaves C, and the test would see nothing of the desktop it is meant for.
        const QByteArray numbers = qgetenv("TAVLORA_EXPECT_C_POINT");
        if (!numbers.isEmpty()) {
            ASSERT_EQ(std::string(std::localeconv()->decimal_point), numbers.toStdString())
                << std::setlocale(LC_ALL, nullptr)
                << ": the locale is not generated; scripts/deps.sh generates it";
        }
        // Where the C library writes a point as C does, the locale's name tells whether it is
        // generated.
        if (qEnvironmentVariableIsSet("TAVLORA_EXPECT_GENERATED")) {
            ASSERT_NE(std::string(std::setlocale(LC_CTYPE, nullptr)), "C")
                << "the locale is not generated; scripts/deps.sh generates it";
        }
        ASSERT_EQ(translations.install(desktopLanguage(), QStringLiteral(TAVLORA_CATALOGUES)),
                  expectedLanguage);
    }

    Translations translations;
    QString expectedLanguage;
    QString point;
};

TEST_F(DesktopLocaleTest, ScoreBoxListAndCaptionsAsThePlayerReadsThemAndTheFileKeepsThePoint) {
    // Slide: the bottom row shifted one cell right, so one click puts tile 12 home.
    openWindow(dealDraws(kBottomRowShifted));
    // The captions speak the window's language, and English only in English.
    EXPECT_EQ(form->PushButton2->text(), QCoreApplication::translate("Form1", "Start Game"));
    EXPECT_EQ(form->Frame5->title(), QCoreApplication::translate("Form1", "Score"));
    EXPECT_EQ(form->Frame1->title() == "Picture Preview", expectedLanguage.isEmpty())
        << form->Frame1->title().toStdString();

    loadPicture();
    click(form->PushButton2);
    tick(3);
    clickTile(13);
    dialogs.textReplies.push_back("Lin");
    click(form->PushButton2);
    // 1 move in 3 s with 13 tiles at home: 16.67 + 390.
    EXPECT_EQ(form->txtScore->text(), "406" + point + "67");
    EXPECT_EQ(table("tblSlide").back().name, "Lin");
    EXPECT_EQ(table("tblSlide").back().score, storedScore(1.0 / 3 * 50 + 13 * 30));

    click(form->PushButton3);
    ASSERT_FALSE(dialogs.messages.empty());
    const QString list = QString::fromStdString(dialogs.messages.back().text);
    EXPECT_TRUE(list.contains("Lin\t\t406" + point + "666666666667\r\n")) << list.toStdString();
    EXPECT_EQ(scoreText(table("tblSlide").back().score), "406.666666666667");
}

}  // namespace
