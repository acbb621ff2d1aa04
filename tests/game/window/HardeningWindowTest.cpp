#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <array>
#include <functional>
#include <mutex>

#include "scores/Score.h"
#include "tests/game/window/GameFixture.h"
#include "tests/scores/HardeningProcess.h"
#include "tests/scores/ScoreTestSupport.h"

namespace {

// Tiles 0 and 5 exchanged, the other 14 at home.
constexpr std::size_t npos = std::string::npos;

// The random source repeats its list, so every game of a test gets the same deal when the list
// holds one deal per game after the start-up's draw.
std::vector<double> sameDealEveryGame(std::size_t games) {
    std::vector<double> draws = dealDraws(kTilesZeroAndFiveExchanged);
    const std::vector<double> oneDeal(draws.begin() + 1, draws.end());
    for (std::size_t game = 1; game < games; ++game) {
        draws.insert(draws.end(), oneDeal.begin(), oneDeal.end());
    }
    return draws;
}

#ifdef _WIN32

// Makes a file unwritable by its read-only attribute, which Windows holds against administrators
// too. Lifted again at the end.
class WriteProtection {
public:
    explicit WriteProtection(const QString& path)
        : path_(QDir::toNativeSeparators(path).toStdWString()) {
        const DWORD attributes = GetFileAttributesW(path_.c_str());
        set_ = attributes != INVALID_FILE_ATTRIBUTES &&
               SetFileAttributesW(path_.c_str(), attributes | FILE_ATTRIBUTE_READONLY) != 0;
        QFile probe(path);
        active_ = set_ && !probe.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    ~WriteProtection() {
        if (set_) {
            const DWORD attributes = GetFileAttributesW(path_.c_str());
            SetFileAttributesW(path_.c_str(),
                               attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
        }
    }
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

    bool active() const { return active_; }

private:
    std::wstring path_;
    bool set_ = false;
    bool active_ = false;
};

#else

// Makes a file unwritable even for root, which ignores permissions: by the file system's
// immutable flag where it has one, by permissions for anyone else. Lifted again at the end.
class WriteProtection {
public:
    explicit WriteProtection(const QString& path) : path_(QFile::encodeName(path)) {
        immutable_ = setImmutable(true);
        if (!immutable_ && ::geteuid() != 0) {
            chmodded_ = ::chmod(path_.constData(), S_IRUSR | S_IRGRP | S_IROTH) == 0;
        }
        QFile probe(path);
        active_ =
            (immutable_ || chmodded_) && !probe.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    ~WriteProtection() {
        if (immutable_) {
            setImmutable(false);
        }
        if (chmodded_) {
            ::chmod(path_.constData(), S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
        }
    }
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

    bool active() const { return active_; }

private:
    bool setImmutable(bool on) {
        const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) {
            return false;
        }
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    QByteArray path_;
    bool immutable_ = false;
    bool chmodded_ = false;
    bool active_ = false;
};

#endif

std::vector<std::string>& sqlWarnings() {
    static std::vector<std::string> warnings;
    return warnings;
}
std::mutex& sqlWarningsMutex() {
    static std::mutex mutex;
    return mutex;
}
void collectSqlWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg && text.contains(QStringLiteral("QSql"))) {
        const std::lock_guard lock(sqlWarningsMutex());
        sqlWarnings().push_back(text.toStdString());
    }
}

class HardeningWindowTest : public GameTest {
protected:
    void SetUp() override {
        const std::lock_guard lock(sqlWarningsMutex());
        sqlWarnings().clear();
        previousHandler_ = qInstallMessageHandler(&collectSqlWarning);
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler_);
        // Failed actions must not leave a connection or a Qt complaint behind.
        EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty())
            << QSqlDatabase::connectionNames().join(QStringLiteral(", ")).toStdString();
        const std::lock_guard lock(sqlWarningsMutex());
        for (const std::string& warning : sqlWarnings()) {
            ADD_FAILURE() << "Qt warned: " << warning;
        }
    }

    QString scorePath() const { return folderPath(QStringLiteral("/hiscore.mdb")); }
    std::string folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .join(QStringLiteral(", "))
            .toStdString();
    }
    // The file's bytes unchanged, told without printing them all.
    void expectScoreFileIs(const QByteArray& before) {
        const QByteArray now = fileBytes(scorePath());
        EXPECT_TRUE(now == before) << "the score file changed: " << before.size()
                                   << " bytes before, " << now.size() << " now";
    }

    void playBriefly() {
        startGame();
        tick(3);
    }
    void endGame() { click(form->PushButton2); }
    void showHighScores() { click(form->PushButton3); }

    // The boxes shown while `action` ran.
    std::vector<FakeDialogs::Message> boxesDuring(const std::function<void()>& action) {
        const std::size_t before = dialogs.messages.size();
        action();
        return {dialogs.messages.begin() + static_cast<std::ptrdiff_t>(before),
                dialogs.messages.end()};
    }

    // Exactly one error report, from `where` ("PushButton2_Click at line 112"), whose description
    // names the score file.
    void expectOneReport(const std::vector<FakeDialogs::Message>& boxes, const std::string& where) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Application Error");
        EXPECT_EQ(boxes[0].icon, MessageIcon::Warning);
        const std::string& text = boxes[0].text;
        const std::string description = text.substr(0, text.find("\r\n"));
        EXPECT_NE(description.find(QDir::toNativeSeparators(scorePath()).toStdString()), npos)
            << text;
        EXPECT_NE(text.find("Form1." + where + "\r\r"), npos) << text;
    }

    // The one box of a listing that worked.
    std::string listShown(const std::vector<FakeDialogs::Message>& boxes,
                          const std::string& title) {
        if (boxes.size() != 1u) {
            ADD_FAILURE() << boxes.size()
                          << " boxes, the first: " << (boxes.empty() ? "" : boxes[0].text);
            return "";
        }
        EXPECT_EQ(boxes[0].title, title);
        return boxes[0].text;
    }

    void expectNoGame() {
        EXPECT_EQ(form->PushButton2->text(), "Start Game");
        EXPECT_TRUE(form->PushButton1->isEnabled());
        EXPECT_EQ(form->timerInterval(), 0);
        EXPECT_EQ(visibleTiles(), 0);
        EXPECT_TRUE(form->Frame2->isEnabled());
    }

    // Runs `action` while another program holds the file in the middle of a write, and checks
    // that the action came back while the lock was still held, not after outwaiting it.
    void whileHeldByAnotherProgram(const char* lock, const std::function<void()>& action) {
        ScoreFileUser holder(
            {QStringLiteral("hold"), scorePath(), QString::fromLatin1(lock), QStringLiteral("10")});
        ASSERT_EQ(holder.nextLine(), "held") << holder.errors();
        action();
        holder.closeInput();
        EXPECT_EQ(holder.nextLine(), "released") << "the lock ran out before the action ended";
        EXPECT_EQ(holder.finish(), 0) << holder.errors();
    }

private:
    QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(HardeningWindowTest, DamagedScoreFileGivesOneReportPerActionAndStaysAsItWas) {
    const QByteArray good = fileBytes(scorePath());
    QByteArray noise(8192, '\0');
    QRandomGenerator generator(4711);
    for (char& c : noise) {
        c = static_cast<char>(generator.bounded(256));
    }
    const auto replaceBy = [&](std::initializer_list<const char*> statements) {
        QFile::remove(scorePath());
        runSql(scorePath(), statements);
    };
    struct Damage {
        const char* what;
        std::function<void()> make;
        int listLine = 100;  // a file that opens but lacks the table fails where the list reads it
    };
    const std::vector<Damage> damages = {
        {"missing", [&] { QFile::remove(scorePath()); }},
        {"zero length", [&] { writeBytes(scorePath(), ""); }},
        {"random bytes", [&] { writeBytes(scorePath(), noise); }},
        {"cut off in the middle", [&] { writeBytes(scorePath(), good.left(good.size() / 2)); }},
        {"another program's database",
         [&] {
             replaceBy({"CREATE TABLE customers (id INTEGER PRIMARY KEY, name TEXT)",
                        "INSERT INTO customers VALUES (1, 'Ann')"});
         },
         102},
        {"a table without its score column",
         [&] {
             replaceBy({"CREATE TABLE tblSlide (id INTEGER, fldname TEXT)",
                        "CREATE TABLE tblSwap (id INTEGER, fldname TEXT, fldscore REAL)",
                        "INSERT INTO tblSlide VALUES (10, '')"});
         },
         102},
    };
    openWindow(sameDealEveryGame(damages.size() + 1));
    loadPicture();
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        playBriefly();
        damage.make();
        const QByteArray before = fileBytes(scorePath());
        const std::string entriesBefore = folderEntries();
        dialogs.questions.clear();
        dialogs.textReplies = {"Ann"};

        expectOneReport(boxesDuring([&] { endGame(); }), "PushButton2_Click at line 112");
        EXPECT_TRUE(dialogs.questions.empty())
            << "a name was asked for a score that cannot be kept";
        expectNoGame();
        expectOneReport(boxesDuring([&] { showHighScores(); }),
                        "PushButton3_Click at line " + std::to_string(damage.listLine));

        expectScoreFileIs(before);
        EXPECT_EQ(folderEntries(), entriesBefore);
        QFile::remove(scorePath());
        writeBytes(scorePath(), good);
    }

    // With a good file back, the same window plays, stores and lists again.
    playBriefly();
    dialogs.textReplies = {"After"};
    EXPECT_TRUE(boxesDuring([&] { endGame(); }).empty());
    expectNoGame();
    const std::string list = listShown(boxesDuring([&] { showHighScores(); }), "Slide high scores");
    EXPECT_NE(list.find("\r\n\t\t0\r\nAfter\t\t420\r\n"), npos) << list;  // 14 tiles at home
}

TEST_F(HardeningWindowTest, WriteProtectedScoreFileIsListedButAGameEndReportsOnce) {
    {
        ScoreDatabase database;
        database.openScoreDatabase(scorePath());
        database.updateRow(kSlideTable, 3, 300, "Kept");
    }
    openWindow();
    loadPicture();
    const QByteArray before = fileBytes(scorePath());
    WriteProtection protection(scorePath());
    if (!protection.active()) {
        // Wine keeps the read-only attribute as Unix permissions, which root passes.
        GTEST_SKIP() << "this file system cannot make a file unwritable for root";
    }
    const std::string entriesBefore = folderEntries();
    playBriefly();
    dialogs.textReplies = {"Ann"};

    expectOneReport(boxesDuring([&] { endGame(); }), "PushButton2_Click at line 112");
    expectNoGame();
    const std::string list = listShown(boxesDuring([&] { showHighScores(); }), "Slide high scores");
    EXPECT_NE(list.find("\r\n\t\t0\r\nKept\t\t300\r\n\t\t0\r\n"), npos) << list;

    expectScoreFileIs(before);
    EXPECT_EQ(folderEntries(), entriesBefore);
}

TEST_F(HardeningWindowTest, FileLockedByAnotherProgramGivesOneReportPerActionInsteadOfHanging) {
    openWindow();
    loadPicture();
    const QByteArray before = fileBytes(scorePath());
    const std::string entriesBefore = folderEntries();
    playBriefly();
    dialogs.textReplies = {"Ann"};

    whileHeldByAnotherProgram("exclusive", [&] {
        expectOneReport(boxesDuring([&] { endGame(); }), "PushButton2_Click at line 112");
    });
    expectNoGame();
    whileHeldByAnotherProgram("exclusive", [&] {
        expectOneReport(boxesDuring([&] { showHighScores(); }), "PushButton3_Click at line 100");
    });

    expectScoreFileIs(before);
    EXPECT_EQ(folderEntries(), entriesBefore);
}

#ifdef _WIN32
// Windows lets a program open a file so that no other may open it at all (some backup tools and
// editors do); each action then reports once, as for a lock, and the file stays as it was.
TEST_F(HardeningWindowTest, FileOpenedWithoutSharingByAnotherProgramGivesOneReportPerAction) {
    openWindow();
    loadPicture();
    const QByteArray before = fileBytes(scorePath());
    playBriefly();
    dialogs.textReplies = {"Ann"};

    whileHeldByAnotherProgram("deny", [&] {
        expectOneReport(boxesDuring([&] { endGame(); }), "PushButton2_Click at line 112");
    });
    expectNoGame();
    whileHeldByAnotherProgram("deny", [&] {
        expectOneReport(boxesDuring([&] { showHighScores(); }), "PushButton3_Click at line 100");
    });
    expectScoreFileIs(before);
}
#endif

TEST_F(HardeningWindowTest, PendingWriteOfAnotherProgramIsWaitedForOrReportedOnce) {
    openWindow(sameDealEveryGame(2));
    loadPicture();

    // A write that ends within the wait: the game end simply waits for it.
    playBriefly();
    {
        ScoreFileUser holder({QStringLiteral("hold"), scorePath(), QStringLiteral("immediate"),
                              QStringLiteral("1")});
        ASSERT_EQ(holder.nextLine(), "held") << holder.errors();
        dialogs.textReplies = {"Patient"};
        EXPECT_TRUE(boxesDuring([&] { endGame(); }).empty());
        EXPECT_EQ(holder.nextLine(), "timed out");
    }
    EXPECT_EQ(table(kSlideTable).back().name, "Patient");

    // A write that outlasts the wait: the game end reports once, while the list, which only
    // reads, shows what was stored before the other program began.
    const QByteArray before = fileBytes(scorePath());
    const std::string entriesBefore = folderEntries();
    playBriefly();
    dialogs.textReplies = {"Ann"};
    whileHeldByAnotherProgram("immediate", [&] {
        expectOneReport(boxesDuring([&] { endGame(); }), "PushButton2_Click at line 112");
    });
    expectNoGame();
    whileHeldByAnotherProgram("immediate", [&] {
        const std::string list =
            listShown(boxesDuring([&] { showHighScores(); }), "Slide high scores");
        EXPECT_NE(list.find("\r\n\t\t0\r\nPatient\t\t420\r\n"), npos) << list;
    });

    expectScoreFileIs(before);
    EXPECT_EQ(folderEntries(), entriesBefore);
}

TEST_F(HardeningWindowTest, AwkwardNamesTypedAtAGameEndAreListedExactly) {
    std::string tenThousand;
    for (int i = 0; i < 2500; ++i) {
        tenThousand += "ab'\u00fc";  // four characters
    }
    const std::vector<std::string> names = {
        "O'Brien \"Jr\" ''",
        "x', fldscore=1e9 WHERE 1=1;--",
        "Robert'); DROP TABLE tblSlide;--",
        "tab\tcr\rlf\nbell\a esc\x1b del\x7f \x01\x1f",
        "\u202e\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627\u202c abc",
        "\U0001f9e9\U0001f3b2 \U0001f44d\U0001f3fd \U0001f468\u200d\U0001f469\u200d\U0001f467",
        "%s%n\\0 {0}",
        tenThousand,
    };
    openWindow(sameDealEveryGame(names.size()));
    selectSwap();
    loadPicture();
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE("name " + std::to_string(i));
        startGame();
        // Each game lasts a second longer than the one before, so it scores lower and takes the
        // next row up instead of replacing the last name.
        tick(static_cast<int>(i) + 1);
        clickTile(1);
        clickTile(1);  // two moves that leave the board as dealt
        dialogs.textReplies = {names[i]};
        EXPECT_TRUE(boxesDuring([&] { endGame(); }).empty());
        EXPECT_EQ(dialogs.questions.size(), i + 1);

        const std::vector<ScoreRow> rows = table(kSwapTable);
        ASSERT_EQ(rows.size(), 10u);
        for (std::size_t j = 0; j <= i; ++j) {
            EXPECT_EQ(rows[9 - j].name, names[j]) << "row " << rows[9 - j].id;
        }
        std::string expected = "Player Name\tScore\r\n\r\n";
        for (const ScoreRow& row : rows) {
            expected += row.name + "\t\t" + scoreText(row.score) + "\r\n";
        }
        EXPECT_EQ(listShown(boxesDuring([&] { showHighScores(); }), "Swap high scores"), expected);
    }
    // Nothing typed reached the other table.
    click(form->Option1);
    std::string untouched = "Player Name\tScore\r\n\r\n";
    for (int row = 0; row < 10; ++row) {
        untouched += "\t\t0\r\n";
    }
    EXPECT_EQ(listShown(boxesDuring([&] { showHighScores(); }), "Slide high scores"), untouched);
}

TEST_F(HardeningWindowTest, FortyThousandTicksAndClicksInOneSwapGame) {
    openWindow(sameDealEveryGame(1));
    selectSwap();
    loadPicture();
    startGame();
    // Which picture cell each control should show; cells 0 and 5 are never clicked, so the
    // picture is never formed and the game runs to the end.
    std::array<int, 16> shows{};
    for (int tile = 0; tile < 16; ++tile) {
        shows[static_cast<std::size_t>(
            kTilesZeroAndFiveExchanged[static_cast<std::size_t>(tile)])] = tile;
    }
    const std::array<int, 14> clickable{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    QRandomGenerator generator(1234);
    // Repainting the same 16 tiles 40 000 times would take most of the time and show nothing
    // that the first repaint did not; the clicks and ticks reach a hidden window just the same.
    form->hide();
    for (int swap = 0; swap < 20000; ++swap) {
        const int first = clickable[generator.bounded(14u)];
        int second = first;
        while (second == first) {
            second = clickable[generator.bounded(14u)];
        }
        tick();
        clickTile(first);
        tick();
        clickTile(second);
        std::swap(shows[static_cast<std::size_t>(first)], shows[static_cast<std::size_t>(second)]);
    }
    form->show();
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->txtMoves->text(), "32767");
    EXPECT_EQ(form->txtTimer->text(), "11:06:40");
    int home = 0;
    for (int cell = 0; cell < 16; ++cell) {
        EXPECT_EQ(shownCell(cell), shows[static_cast<std::size_t>(cell)]) << "cell " << cell;
        home += shows[static_cast<std::size_t>(cell)] == cell ? 1 : 0;
    }

    dialogs.textReplies = {"Marathon"};
    endGame();
    EXPECT_TRUE(dialogs.messages.empty());
    // The counts stop at 32767 moves and 32767 seconds, one move a second.
    const double score = 50.0 + 30.0 * home;
    EXPECT_EQ(form->txtScore->text().toStdString(), scoreDisplay(score));
    EXPECT_EQ(table(kSwapTable).back().name, "Marathon");
    EXPECT_EQ(table(kSwapTable).back().score, score);
    expectNoGame();
    EXPECT_FALSE(form->game().hasBoard());
}

}  // namespace
