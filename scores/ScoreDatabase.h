#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QSqlError;

inline constexpr const char* kSlideTable = "tblSlide";
inline constexpr const char* kSwapTable = "tblSwap";

struct ScoreRow {
    int id = 0;
    std::string name;  // UTF-8, exactly as typed
    double score = 0;
};

// The high-score file, opened around one user action and closed again. Every failure (a missing,
// empty, damaged or foreign file, a missing table or column, a lock that does not clear, a write
// that cannot be made) is a Failure whose description names the file; nothing is written then.
// Opening checks the file as a whole; a table is looked for by the statement that uses it.
class ScoreDatabase {
public:
    enum class Mode { ReadWrite, ReadOnly };

    // How long to wait for another copy of the game that holds the file before failing.
    static constexpr int kDefaultBusyTimeoutMs = 5000;

    ScoreDatabase() = default;
    ~ScoreDatabase();  // closes
    ScoreDatabase(const ScoreDatabase&) = delete;
    ScoreDatabase& operator=(const ScoreDatabase&) = delete;

    // Opens an existing file; never creates one.
    void openScoreDatabase(const QString& path, Mode mode = Mode::ReadWrite);
    void closeScoreDatabase();
    bool isOpen() const;
    // Takes effect at the next open.
    void setBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }

    // Rows in ascending id order. `table` must be kSlideTable or kSwapTable.
    std::vector<ScoreRow> selectAll(const std::string& table);
    std::vector<ScoreRow> selectAtOrBelow(const std::string& table, double score);
    // Overwrites one row atomically.
    void updateRow(const std::string& table, int id, double score, const std::string& name);
    // In one write transaction: reads the rows at or below `score` again, lets `choose` pick the
    // id to overwrite (0 for none) and writes it, so that a score another copy of the game stored
    // in the meantime is never overwritten by a lower one. Returns the id chosen.
    // Commits a write transaction that changes nothing, so that a file that cannot take an update
    // now (read-only, on a full disk, held by another program) fails as updateChosenRow would.
    void checkWritable();
    using RowChoice = std::function<int(const std::vector<ScoreRow>&)>;
    int updateChosenRow(const std::string& table, double score, const std::string& name,
                        const RowChoice& choose);

private:
    void openConnection(Mode mode);
    void checkFile();
    void checkTable(const char* table);
    [[noreturn]] void fail(const char* problem, const QSqlError& error) const;
    void requireOpen() const;
    void execOrThrow(const QString& sql, const char* problem);
    std::vector<ScoreRow> selectRows(const char* table, const std::string& sql,
                                     const double* scoreLimit);
    void writeRow(const char* table, int id, double score, const std::string& name);
    void inWriteTransaction(const std::function<void()>& work);

    QString connectionName_;
    QString path_;
    int busyTimeoutMs_ = kDefaultBusyTimeoutMs;
};

// Creates a fresh file with both tables, ten rows each (ids 1 to 10, empty names, score 0).
// Refuses to touch a file that already exists.
void createScoreFile(const QString& path);
