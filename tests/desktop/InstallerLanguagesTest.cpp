#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

QString installerLanguages() {
    QFile file(TAVLORA_INSTALLER_LANGUAGES);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // NSIS takes a file for UTF-8 only when it starts with the byte order mark.
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    return QString::fromUtf8(bytes.mid(3));
}

const char* const kQuestion = "Also remove your high scores (hiscore.mdb)?";

}  // namespace

TEST(InstallerLanguages, EveryLanguageHasNsisPagesAndOurQuestionFromItsCatalogue) {
    const QString nsh = installerLanguages();
    const QStringList languages = QString(TAVLORA_LANGUAGES).split(u',');
    EXPECT_EQ(nsh.count(QStringLiteral("!insertmacro MUI_LANGUAGE ")), languages.size() + 1);
    const QRegularExpression question(
        QStringLiteral("^LangString RemoveScores \\$\\{LANG_(\\w+)\\} \"(.*)\"$"),
        QRegularExpression::MultilineOption);
    QStringList translations;
    for (const QRegularExpressionMatch& match : question.globalMatch(nsh)) {
        translations << match.captured(2);
    }
    ASSERT_EQ(translations.size(), languages.size() + 1);
    EXPECT_EQ(translations.front(), kQuestion);
    for (qsizetype i = 0; i < languages.size(); ++i) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(TAVLORA_CATALOGUES "/tavlora_") + languages[i]));
        const QString expected = catalogue.translate("Installer", kQuestion);
        EXPECT_FALSE(expected.isEmpty()) << languages[i].toStdString();
        EXPECT_EQ(translations[i + 1], expected) << languages[i].toStdString();
    }
}

// NSIS itself reads the file: each language name is one it has, and each string is in place.
TEST(InstallerLanguages, NsisCompilesAnInstallerWithThem) {
    const QString makensis = QStandardPaths::findExecutable(QStringLiteral("makensis"));
    if (makensis.isEmpty()) {
        GTEST_SKIP() << "NSIS is not installed here (scripts/deps.sh windows installs it)";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile script(folder.filePath("languages.nsi"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("Target amd64-unicode\n"
                                "!include \"MUI2.nsh\"\n"
                                "OutFile \"%1\"\n"
                                "!insertmacro MUI_PAGE_INSTFILES\n"
                                "!include \"%2\"\n"
                                "Section\n"
                                "  MessageBox MB_YESNO \"$(RemoveScores)\"\n"
                                "SectionEnd\n")
                     .arg(folder.filePath("languages.exe"), TAVLORA_INSTALLER_LANGUAGES)
                     .toUtf8());
    script.close();
    QProcess nsis;
    nsis.start(makensis, {QStringLiteral("-V2"), script.fileName()});
    ASSERT_TRUE(nsis.waitForFinished(120000));
    const QString output = QString::fromUtf8(nsis.readAll());
    EXPECT_EQ(nsis.exitCode(), 0) << output.toStdString();
    // A string missing in a language would fall back to English with a warning.
    EXPECT_FALSE(output.contains(QStringLiteral("warning"), Qt::CaseInsensitive))
        << output.toStdString();
    EXPECT_TRUE(QFile::exists(folder.filePath("languages.exe")));
}
