#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// NSIS itself reads the installer's languages: each is one it has a translation of its pages for,
// and each has every one of our texts (one missing would fall back to English with a warning).
TEST(InstallerLanguages, NsisBuildsAnInstallerInEveryLanguageWithoutAWarning) {
    const QString makensis = QStandardPaths::findExecutable(QStringLiteral("makensis"));
    if (makensis.isEmpty()) {
        GTEST_SKIP() << "NSIS is not installed here (scripts/deps.sh windows installs it)";
    }
    QFile languages(TAVLORA_INSTALLER_LANGUAGES);
    ASSERT_TRUE(languages.open(QIODevice::ReadOnly));
    const QByteArray nsh = languages.readAll();
    EXPECT_TRUE(nsh.startsWith("\xEF\xBB\xBF"));  // NSIS reads UTF-8 only after this mark
    EXPECT_EQ(nsh.count("!insertmacro MUI_LANGUAGE "), QString(TAVLORA_LANGUAGES).count(u',') + 2);
    // Our texts, each shown once by the script below.
    QString shown;
    const QRegularExpression english(QStringLiteral("^LangString (\\w+) \\$\\{LANG_ENGLISH\\}"),
                                     QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& text : english.globalMatch(QString::fromUtf8(nsh))) {
        shown += QStringLiteral("MessageBox MB_OK \"$(%1)\"\n").arg(text.captured(1));
    }
    EXPECT_EQ(shown.count(u'\n'), 3);  // the uninstaller's question, a running game, a folder
    QTemporaryDir folder;
    QFile script(folder.filePath("languages.nsi"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("Target amd64-unicode\n!include \"MUI2.nsh\"\nOutFile \"%1\"\n"
                                "!insertmacro MUI_PAGE_INSTFILES\n!include \"%2\"\nSection\n"
                                "%3SectionEnd\n")
                     .arg(folder.filePath("languages.exe"), TAVLORA_INSTALLER_LANGUAGES, shown)
                     .toUtf8());
    script.close();
    QProcess nsis;
    nsis.start(makensis, {QStringLiteral("-V2"), script.fileName()});
    ASSERT_TRUE(nsis.waitForFinished(120000));
    const QString output = QString::fromUtf8(nsis.readAll());
    EXPECT_EQ(nsis.exitCode(), 0) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("warning"), Qt::CaseInsensitive))
        << output.toStdString();
}
