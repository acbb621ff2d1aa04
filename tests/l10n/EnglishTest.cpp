#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <memory>
#include <utility>
#include <vector>

#include "game/boardview/BoardArea.h"
#include "platform/HoverPushButton.h"
#include "platform/Translations.h"
#include "scores/HighScoreList.h"
#include "scores/Score.h"
#include "shell/ErrorReport.h"
#include "tests/desktop/LoadedWindow.h"
#include "tests/l10n/L10nSupport.h"

namespace {

// What a player reads in the window and its boxes, in a fixed order.
QStringList textsOf(Form1& form) {
    QStringList texts{form.windowTitle(), QCoreApplication::applicationName()};
    for (const QGroupBox* box : form.findChildren<QGroupBox*>()) {
        texts << box->title();
    }
    for (const QLineEdit* value : form.findChildren<QLineEdit*>()) {
        texts << value->accessibleName() + u'=' + value->text();
    }
    texts << form.Option1->text() << form.Option2->text() << form.PushButton1->text()
          << form.PushButton2->text() << form.PushButton3->text() << form.picBack->accessibleName()
          << QAccessible::queryAccessibleInterface(form.picBack)->text(QAccessible::Description);
    texts << QString::fromStdString(applicationErrorText("Timer1", 110, "Overflow"))
          << QString::fromStdString(highScoreListHeading())
          << QString::fromStdString(highScoreListTitle(form.Option1->text().toStdString()))
          << QString::fromStdString(scoreForReading(scoreDisplay(513.916083916084)))
          << QCoreApplication::translate("Form1", "End Game")
          << QCoreApplication::translate("Form1", "Congratulation!!! You had form the image.")
          << QCoreApplication::translate("HighScore",
                                         "You've got high score.\r\nEnter your name: ");
    return texts;
}

const QStringList kEnglish = {
    "Tavlora Software",
    "Tavlora",
    "Picture Preview",
    "Game Type",
    "Moves",
    "Timer",
    "Score",
    "Moves=0",
    "Timer=00:00:00",
    "Score=0",
    "Slide",
    "Swap",
    "Load Picture",
    "Start Game",
    "High Scores",
    "Puzzle board",
    "No game is running",
    "Overflow\r\nin Tavlora2021/08/31.Form1.Timer1 at line 110\r\rPlease email screenshot of this "
    "message to support@tavlora.example",
    "Player Name\tScore\r\n\r\n",
    "Slide high scores",
    "513.92",
    "End Game",
    "Congratulation!!! You had form the image.",
    "You've got high score.\r\nEnter your name: ",
};

QStringList textsUnder(const QLocale& desktop, QString* chosen = nullptr) {
    Translations translations;
    const QString language = translations.install(desktop, catalogueFolder());
    if (chosen) {
        *chosen = language;
    }
    LoadedWindow window;
    return textsOf(window.form());
}

}  // namespace

TEST(English, CPosixAndEveryEnglishLocaleShowTodaysTextsExactly) {
    for (const QLocale& desktop :
         {QLocale::c(), QLocale("C"), QLocale("POSIX"), QLocale("en"), QLocale("en_US"),
          QLocale("en_GB"), QLocale("en_IN"), QLocale("en_ZA")}) {
        QString chosen;
        EXPECT_EQ(textsUnder(desktop, &chosen), kEnglish) << desktop.name().toStdString();
        EXPECT_EQ(chosen, "");
    }
}

// A comma, except where the language writes a point, or Arabic's own separator.
QString decimalSeparatorOf(const QString& language) {
    return QStringList{"gd", "he", "ja", "ko", "zh_CN", "zh_TW"}.contains(language) ? "."
           : language == "ar" || language == "fa"                                   ? "\u066B"
                                                                                    : ",";
}

TEST(English, EveryOtherLanguageChangesTheTextsAndWritesItsDecimalSeparator) {
    for (const QString& language : catalogueLanguages()) {
        QString chosen;
        const QStringList texts = textsUnder(QLocale(language), &chosen);
        EXPECT_EQ(chosen, language);
        ASSERT_EQ(texts.size(), kEnglish.size());
        // The name of the program and the value boxes' contents stay.
        EXPECT_EQ(texts[0], kEnglish[0]);
        EXPECT_NE(texts[13], kEnglish[13]) << language.toStdString();  // "Start Game"
        EXPECT_NE(texts[2], kEnglish[2]) << language.toStdString();    // "Picture Preview"
        EXPECT_EQ(texts[20], "513" + decimalSeparatorOf(language) + "92") << language.toStdString();
    }
    // Back in English the texts are today's again.
    EXPECT_EQ(textsUnder(QLocale::c()), kEnglish);
}

TEST(LanguageChoice, ARegionOfALanguageWithACatalogueSpeaksItAndOthersMeanEnglish) {
    const struct {
        const char* desktop;
        QString chosen;
    } cases[] = {
        {"de_DE", "de"}, {"de_AT", "de"}, {"de_CH", "de"}, {"pt_BR", "pt_BR"}, {"pt_PT", ""},
        {"fr_CA", "fr"}, {"sv_SE", ""},   {"ru_UA", "ru"}, {"nl_BE", "nl"},    {"es_MX", "es"},
        {"ja_JP", "ja"}, {"ar_SA", "ar"}, {"fa_AF", "fa"}, {"zh_TW", "zh_TW"}, {"zh_CN", "zh_CN"},
    };
    for (const auto& c : cases) {
        Translations translations;
        EXPECT_EQ(translations.install(QLocale(c.desktop), catalogueFolder()), c.chosen)
            << c.desktop;
    }
}

// Run by the case below in a child with the environment it gives; Qt reads the locale once.
TEST(LanguageFromEnvironment, Child) {
    if (!qEnvironmentVariableIsSet("TAVLORA_EXPECT_LANGUAGE")) {
        GTEST_SKIP() << "runs only as the child of FollowsLanguageLcAllLcMessagesAndLang";
    }
    Translations translations;
    EXPECT_EQ(translations.install(desktopLanguage(), catalogueFolder()),
              qEnvironmentVariable("TAVLORA_EXPECT_LANGUAGE"))
        << QLocale::system().uiLanguages().join(',').toStdString();
}

TEST(LanguageFromEnvironment, FollowsLanguageLcAllLcMessagesAndLang) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes the language from the user's settings, not from LANGUAGE, "
                    "LC_ALL, LC_MESSAGES or LANG";
#endif
    const struct {
        QStringList variables;
        QString chosen;
    } cases[] = {
        {{"LANG=de_DE.UTF-8"}, "de"},
        {{"LANG=pt_BR.UTF-8"}, "pt_BR"},
        {{"LANG=C"}, ""},
        {{"LANG=POSIX"}, ""},
        {{"LANG=C.UTF-8"}, ""},
        {{"LANG=en_US.UTF-8"}, ""},
        {{"LANG=sv_SE.UTF-8"}, ""},
        {{"LANG=ja_JP.UTF-8"}, "ja"},
        {{"LANG=he_IL.UTF-8"}, "he"},
        {{"LC_ALL=fr_FR.UTF-8", "LANG=de_DE.UTF-8"}, "fr"},
        {{"LC_MESSAGES=pl_PL.UTF-8", "LANG=de_DE.UTF-8"}, "pl"},
        {{"LANGUAGE=ru:de", "LANG=de_DE.UTF-8"}, "ru"},
        // The first of LANGUAGE's languages with a catalogue wins, English's own among them.
        {{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"}, ""},
        {{"LANGUAGE=sv:fr", "LANG=de_DE.UTF-8"}, "fr"},
        {{"LANGUAGE=zh_TW:zh_CN", "LANG=de_DE.UTF-8"}, "zh_TW"},
        {{"LANGUAGE=pt_PT:it", "LANG=de_DE.UTF-8"}, "it"},
        // Portuguese with no region is Brazil's, the language's most spoken.
        {{"LANGUAGE=pt_PT:pt:it", "LANG=de_DE.UTF-8"}, "pt_BR"},
        {{"LANGUAGE=../../../tmp/x:nl", "LANG=de_DE.UTF-8"}, "nl"},
        // As gettext does, LANGUAGE counts for nothing under C or POSIX, but C.UTF-8 is not C.
        {{"LC_ALL=C", "LANGUAGE=de"}, ""},
        {{"LC_ALL=POSIX", "LANGUAGE=de", "LANG=de_DE.UTF-8"}, ""},
        {{"LC_MESSAGES=C", "LANGUAGE=de", "LANG=de_DE.UTF-8"}, ""},
        {{"LANGUAGE=de"}, ""},
        {{"LANG=C.UTF-8", "LANGUAGE=de"}, "de"},
        {{"LC_ALL=de_DE.UTF-8", "LANGUAGE=ru"}, "ru"},
        {{"LANG=" + QString(3000, u'x')}, ""},
        {{"LANG=../../etc/passwd"}, ""},
        {{QString::fromLatin1("LANG=de_DE.\xff\xfe")}, "de"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            environment.remove(name);
        }
        for (const QString& variable : c.variables) {
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        environment.insert("TAVLORA_EXPECT_LANGUAGE", c.chosen);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=LanguageFromEnvironment.Child"});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << c.variables.join(' ').toStdString() << "\n"
                                       << child.readAllStandardOutput().toStdString();
    }
}

// Windows sets none of LC_ALL, LC_MESSAGES and LANG: there an environment without them is the
// user's own language, as the system keeps it, while on Unix it is C. A variable that says C is
// English everywhere.
TEST(LanguageFromEnvironment, WithoutLocaleVariablesUnixIsCAndWindowsIsTheUsersLanguage) {
    const char* const names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<QByteArray, bool>> kept;
    for (const char* name : names) {
        kept.emplace_back(qgetenv(name), qEnvironmentVariableIsSet(name));
        qunsetenv(name);
    }
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        for (std::size_t i = 0; i < kept.size(); ++i) {
            kept[i].second ? qputenv(names[i], kept[i].first) : qunsetenv(names[i]);
        }
    });
#ifdef _WIN32
    EXPECT_EQ(desktopLanguage().uiLanguages(), QLocale::system().uiLanguages());
    EXPECT_NE(desktopLanguage(), QLocale::c());
#else
    EXPECT_EQ(desktopLanguage(), QLocale::c());
#endif
    for (const char* name : names) {
        qputenv(name, "C");
        EXPECT_EQ(desktopLanguage(), QLocale::c()) << name;
        qputenv(name, "POSIX");
        EXPECT_EQ(desktopLanguage(), QLocale::c()) << name;
        qunsetenv(name);
    }
}
