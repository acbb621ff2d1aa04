// Another program using the high-score file while a test watches: it holds a lock, writes until it
// is killed, or plays a second copy of the game ending a game. It talks to the test through its
// standard streams only, so the test can stop it at any moment, SIGKILL or TerminateProcess
// included.
//
//   score_file_user hold <file> exclusive|immediate|deny <seconds>
//       Takes the lock, changes the rows of tblSlide without committing, prints "held", and keeps
//       it so until its standard input closes or <seconds> pass; then rolls back and prints
//       "released" or "timed out". "deny" (Windows only) instead opens the file so that no other
//       program may open it at all, as some backup tools and editors do.
//   score_file_user write <file> <first>
//       For k = first, first + 1, ...: opens the file as the game does, writes name "n<k>" and
//       score k into one row (tblSlide for even k, tblSwap for odd k, row k / 2 mod 10 + 1), closes
//       it, and prints k once the update has returned. Never stops by itself.
//   score_file_user play <file> <table> <score> <name>
//       Opens the file once, prints "ready" and waits for one line on standard input; then offers
//       the score as the game does at the end of a game, answering the name box with <name>.
//       Prints "stored", or the failure on its error stream; "asked for a name" goes there too.
//   score_file_user play-installed <program folder file> <table> <score> <name>
//       A game of a player who may not be able to write in the program folder: prints "loaded",
//       and at a first line on standard input finds the file the game uses (making the player's
//       copy if it must), prints "ready"; at a second line offers the score as "play" does.
//   score_file_user list-installed <program folder file> <table>
//       Prints the high-score list of the table from the file the game uses.
//   score_file_user list <file> <table>
//       Prints each row of the table as "<id>|<name>|<score>", in id order.

#ifdef _WIN32
#include <windows.h>
#endif

#include <QByteArray>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <chrono>
#include <cstdio>
#include <future>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "platform/Dialogs.h"
#include "platform/Failure.h"
#include "scores/HighScoreEntry.h"
#include "scores/HighScoreList.h"
#include "scores/ScoreDatabase.h"
#include "scores/ScoreFileLocation.h"

namespace {

constexpr int kBadUse = 2;
constexpr int kRowsPerTable = 10;

// Flushed at once, so that what the test reads after a kill is exactly what was done.
void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// Waits until standard input closes or has a line (true), or the time runs out (false). The
// reader thread is left behind when the time runs out; the program ends soon after.
bool waitForInput(int milliseconds) {
    auto arrived = std::make_shared<std::promise<void>>();
    std::future<void> line = arrived->get_future();
    std::thread([arrived] {
        std::string ignored;
        std::getline(std::cin, ignored);
        arrived->set_value();
    }).detach();
    return line.wait_for(std::chrono::milliseconds(milliseconds)) == std::future_status::ready;
}

int holdOpenFile(const QSqlDatabase& db, const std::string& kind, int seconds) {
    QSqlQuery query(db);
    const QString begin =
        kind == "exclusive" ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN IMMEDIATE");
    if (!query.exec(begin) ||
        !query.exec(QStringLiteral("UPDATE tblSlide SET fldname = 'holder', fldscore = 9999"))) {
        std::cerr << "cannot take the lock: " << query.lastError().text().toStdString() << "\n";
        return 1;
    }
    say("held");
    const bool told = waitForInput(seconds * 1000);
    query.exec(QStringLiteral("ROLLBACK"));
    say(told ? "released" : "timed out");
    return 0;
}

int holdWithoutSharing(const QString& path, int seconds) {
#ifdef _WIN32
    HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE, 0,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::cerr << "cannot open without sharing: error " << GetLastError() << "\n";
        return 1;
    }
    say("held");
    const bool told = waitForInput(seconds * 1000);
    CloseHandle(file);
    say(told ? "released" : "timed out");
    return 0;
#else
    (void)path;
    (void)seconds;
    std::cerr << "only Windows lets a program keep every other program out of a file\n";
    return kBadUse;
#endif
}

int holdLock(const QString& path, const std::string& kind, int seconds) {
    if (kind == "deny") {
        return holdWithoutSharing(path, seconds);
    }
    const QString name = QStringLiteral("holder");
    int result = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            std::cerr << "cannot open: " << db.lastError().text().toStdString() << "\n";
            result = 1;
        } else {
            result = holdOpenFile(db, kind, seconds);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

int writeUntilKilled(const QString& path, long long first) {
    for (long long k = first;; ++k) {
        const char* table = k % 2 == 0 ? kSlideTable : kSwapTable;
        const int id = static_cast<int>((k / 2) % kRowsPerTable) + 1;
        try {
            ScoreDatabase db;
            db.openScoreDatabase(path);
            db.updateRow(table, id, static_cast<double>(k), "n" + std::to_string(k));
            db.closeScoreDatabase();
        } catch (const Failure& failure) {
            std::cerr << failure.description() << "\n";
            return 1;
        }
        say(std::to_string(k));
    }
}

// The player of the other copy: types the given name and reports any other box.
class AnsweringDialogs : public Dialogs {
public:
    explicit AnsweringDialogs(std::string name) : name_(std::move(name)) {}
    void showMessage(const std::string& text, const std::string& title, MessageIcon) override {
        std::cerr << "box: " << title << "|" << text << "\n";
        ++boxes;
    }
    // Said on the error stream, so a test sees whether the name was asked before a failure.
    std::string askText(const std::string&, const std::string&, const std::string&) override {
        std::cerr << "asked for a name\n";
        return name_;
    }
    std::string chooseOpenFile(const std::string&, const std::string&) override { return ""; }
    int boxes = 0;

private:
    std::string name_;
};

int playOneEnd(const QString& path, const std::string& table, double score,
               const std::string& name) {
    // A copy that has been running has its database driver loaded already; loading it after the
    // start signal would spread the two copies apart by more than their writes take.
    try {
        ScoreDatabase warmUp;
        warmUp.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
    } catch (const Failure& failure) {
        std::cerr << failure.description() << "\n";
        return 1;
    }
    say("ready");
    std::string go;
    std::getline(std::cin, go);
    AnsweringDialogs dialogs(name);
    try {
        enterHighScore(path, table, score, dialogs);
    } catch (const Failure& failure) {
        std::cerr << failure.description() << "\n";
        return 1;
    }
    if (dialogs.boxes != 0) {
        return 1;
    }
    say("stored");
    return 0;
}

int playInstalled(const QString& programFolderFile, const std::string& table, double score,
                  const std::string& name) {
    AnsweringDialogs dialogs(name);
    std::string line;
    try {
        ScoreDatabase warmUp;
        warmUp.openScoreDatabase(programFolderFile, ScoreDatabase::Mode::ReadOnly);
        warmUp.closeScoreDatabase();
        say("loaded");
        std::getline(std::cin, line);
        scoreFileInUse(programFolderFile);
        say("ready");
        std::getline(std::cin, line);
        enterHighScore(scoreFileInUse(programFolderFile), table, score, dialogs);
    } catch (const Failure& failure) {
        std::cerr << failure.description() << "\n";
        return 1;
    }
    say("stored");
    return dialogs.boxes == 0 ? 0 : 1;
}

int listInstalled(const QString& programFolderFile, const std::string& table) {
    try {
        ScoreDatabase db;
        db.openScoreDatabase(scoreFileInUse(programFolderFile));
        std::string text = highScoreListHeading();
        for (const ScoreRow& row : db.selectAll(table)) {
            text += highScoreListLine(row);
        }
        say(text);
    } catch (const Failure& failure) {
        std::cerr << failure.description() << "\n";
        return 1;
    }
    return 0;
}

int listRows(const QString& path, const std::string& table) {
    try {
        ScoreDatabase db;
        db.openScoreDatabase(path, ScoreDatabase::Mode::ReadOnly);
        for (const ScoreRow& row : db.selectAll(table)) {
            say(std::to_string(row.id) + "|" + row.name + "|" +
                QString::number(row.score).toStdString());
        }
    } catch (const Failure& failure) {
        std::cerr << failure.description() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // Qt loads its database drivers through the application
    QCoreApplication::setApplicationName(QStringLiteral("Tavlora"));  // as the game's window does
    const std::string mode = argc > 1 ? argv[1] : "";
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == "hold" && argc == 5) {
        return holdLock(path, argv[3], QByteArray(argv[4]).toInt());
    }
    if (mode == "write" && argc == 4) {
        return writeUntilKilled(path, QByteArray(argv[3]).toLongLong());
    }
    if (mode == "play" && argc == 6) {
        return playOneEnd(path, argv[3], QByteArray(argv[4]).toDouble(), argv[5]);
    }
    if (mode == "play-installed" && argc == 6) {
        return playInstalled(path, argv[3], QByteArray(argv[4]).toDouble(), argv[5]);
    }
    if (mode == "list-installed" && argc == 4) {
        return listInstalled(path, argv[3]);
    }
    if (mode == "list" && argc == 4) {
        return listRows(path, argv[3]);
    }
    std::cerr << "usage: score_file_user hold|write|play|play-installed|list-installed|list <file> "
                 "...\n";
    return kBadUse;
}
