#include "shell/ProgramFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Every test leaves the program pointed at its real folder again.
class ProgramFolderTest : public ::testing::Test {
protected:
    void TearDown() override { setProgramFolderOverride(QString()); }

    static void touch(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write("x");
    }

    QTemporaryDir temp;
};

TEST_F(ProgramFolderTest, FolderIsTheProgramsOwnUnlessOverridden) {
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
    setProgramFolderOverride(temp.path());
    EXPECT_EQ(programFolder(), temp.path());
    setProgramFolderOverride(QString());
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
}

TEST_F(ProgramFolderTest, PathIsFolderAndNameJoinedUnchanged) {
    setProgramFolderOverride(temp.path());
    EXPECT_EQ(programFolderPath(kHandCursorName), temp.path() + "/HAND-M.CUR");
    EXPECT_EQ(programFolderPath(kSkinFileName), temp.path() + "/x/o.cjs");
    EXPECT_EQ(programFolderPath(kScoreFileName), temp.path() + "/hiscore.mdb");

    // A folder that already ends in a separator gives a doubled one, and the path still works.
    setProgramFolderOverride(temp.path() + "/");
    const QString doubled = programFolderPath(kHandCursorName);
    EXPECT_EQ(doubled, temp.path() + "//HAND-M.CUR");
    touch(temp.filePath("HAND-M.CUR"));
    EXPECT_TRUE(fileExists(doubled));
}

TEST_F(ProgramFolderTest, FileExistsOnlyForFindableFiles) {
    const QString present = temp.filePath("HAND-M.CUR");
    touch(present);
    EXPECT_TRUE(fileExists(present));

    EXPECT_FALSE(fileExists(temp.filePath("missing.cur")));
    EXPECT_FALSE(fileExists(temp.filePath("no-such-folder/HAND-M.CUR")));
    EXPECT_FALSE(fileExists(QString()));
    // A file used as if it were a folder, and a name no file system accepts.
    EXPECT_FALSE(fileExists(present + "/child"));
    EXPECT_FALSE(fileExists(temp.path() + QStringLiteral("/bad") + QChar(u'\0') + "name"));

    QFile::remove(present);
    EXPECT_FALSE(fileExists(present));
}

}  // namespace
