#include "scores/ScoreFileLocation.h"
#include "platform/AppIdentity.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <string>

#include "scores/ScoreDatabase.h"
#include "scores/ScoreFileErrors.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kCopyChunk = 64 * 1024;
// A scratch file untouched for this long is no other game's copy in progress: making one takes
// milliseconds.
constexpr qint64 kStaleScratchSeconds = 10 * 60;

bool exists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

std::string because(const QString& reason) {
    return reason.isEmpty() ? std::string() : " (" + reason.toStdString() + ")";
}

// The system's words for the failure that just happened; Qt keeps none for a buffered write.
std::string becauseOfSystem() {
    return because(QString::fromLocal8Bit(std::strerror(errno)));
}

// Opens the file read-only the way the game does, which checks it through and through.
void checkCopyable(const QString& programFolderFile) {
    ScoreDatabase source;
    source.openScoreDatabase(programFolderFile, ScoreDatabase::Mode::ReadOnly);
    source.closeScoreDatabase();
}

void copyBytes(QFile& from, QTemporaryFile& to, const QString& copyPath) {
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(kCopyChunk);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError) {
            throw scoreFileFailure(from.fileName(),
                                   QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"),
                                   because(from.errorString()));
        }
        if (to.write(chunk) != chunk.size()) {
            throw scoreFileFailure(copyPath, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                                   becauseOfSystem());
        }
    }
    bool onDisk = to.flush();
#ifdef Q_OS_UNIX
    onDisk = onDisk && ::fsync(to.handle()) == 0;
#endif
    if (!onDisk) {
        throw scoreFileFailure(copyPath, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                               becauseOfSystem());
    }
}

// Gives the finished scratch file its real name unless another game got there first, in which case
// that game's copy stays and this one is dropped. False when the name was taken.
bool publish(const QString& scratchPath, const QString& copyPath) {
#ifdef Q_OS_UNIX
    const QByteArray from = QFile::encodeName(scratchPath);
    const QByteArray to = QFile::encodeName(copyPath);
    // A hard link never replaces a file; a folder that takes none still moves without replacing.
    int result = ::link(from.constData(), to.constData());
    if (result != 0 && errno != EEXIST) {
        result =
            ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    }
    if (result == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    throw scoreFileFailure(copyPath, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                           becauseOfSystem());
#else
    if (QFile::rename(scratchPath, copyPath)) {
        return true;
    }
    if (QFileInfo::exists(copyPath)) {
        return false;
    }
    throw scoreFileFailure(copyPath, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"));
#endif
}

// Made with the score file's own creation code; another game that made it first wins.
void makeEmptyCopy(const QString& copyPath) {
    try {
        createScoreFile(copyPath);
    } catch (const Failure&) {
        if (!exists(copyPath)) {
            throw;
        }
    }
}

// A game killed while it made its copy leaves its scratch file behind; the next look clears it.
void removeStaleScratchFiles(const QString& ownFolder) {
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kStaleScratchSeconds);
    const QFileInfoList scratchFiles = QDir(ownFolder).entryInfoList(
        {QStringLiteral("hiscore-??????.tmp")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& scratch : scratchFiles) {
        if (scratch.lastModified().toUTC() < staleBefore) {
            QFile::remove(scratch.filePath());
        }
    }
}

void makeCopy(const QString& programFolderFile, const QString& ownFolder, const QString& copyPath) {
    // Without a shipped file there is nothing to copy, but nothing to lose either: the player's
    // copy starts empty, as the shipped one does.
    const bool shipped = exists(programFolderFile);
    if (shipped) {
        checkCopyable(programFolderFile);
    }
    if (!QDir().mkpath(ownFolder)) {
        throw scoreFileFailure(
            copyPath,
            QT_TRANSLATE_NOOP("ScoreFile", "cannot be created (its folder cannot be made)"));
    }
    if (!shipped) {
        makeEmptyCopy(copyPath);
        return;
    }
    QFile from(programFolderFile);
    if (!from.open(QIODevice::ReadOnly)) {
        throw scoreFileFailure(programFolderFile, QT_TRANSLATE_NOOP("ScoreFile", "cannot be read"),
                               because(from.errorString()));
    }
    QString scratchPath;
    try {
        // The scratch file is let go of before it is published: Windows renames no open file, and
        // QTemporaryFile keeps its handle there until it is destroyed.
        QTemporaryFile scratch(ownFolder + QStringLiteral("/hiscore-XXXXXX.tmp"));
        if (!scratch.open()) {
            throw scoreFileFailure(copyPath, QT_TRANSLATE_NOOP("ScoreFile", "cannot be created"),
                                   because(scratch.errorString()));
        }
        scratch.setAutoRemove(false);
        scratchPath = scratch.fileName();
        copyBytes(from, scratch, copyPath);
    } catch (...) {
        if (!scratchPath.isEmpty()) {
            QFile::remove(scratchPath);
        }
        throw;
    }
    try {
        publish(scratchPath, copyPath);
    } catch (...) {
        QFile::remove(scratchPath);
        throw;
    }
    // After a link, or when another game got there first, the scratch name is left over; the copy
    // keeps its own link to the bytes.
    QFile::remove(scratchPath);
}

// A folder the install rules marked and root owns is the system's; see the header.
bool isSystemProgramFolder(const QFileInfo& folder) {
#ifdef Q_OS_UNIX
    return folder.ownerId() == 0 &&
           QFileInfo::exists(folder.absoluteFilePath() + QLatin1String(kInstalledMarkName));
#else
    (void)folder;
    return false;
#endif
}

// Whether a new file can be made in `folder`, found by making one (and removing it at once).
// Permission bits do not tell: Windows' access lists, which Qt does not read unless asked, keep a
// player out of Program Files while its folder looks writable; and a read-only mount, or a folder
// of the system's that root itself cannot write in, says no only when tried.
bool canMakeFileIn(const QFileInfo& folder) {
    if (!folder.isDir()) {
        return false;
    }
    QTemporaryFile probe(folder.absoluteFilePath() + QStringLiteral("/.tavlora-write-XXXXXX"));
    return probe.open();
}

bool usesProgramFolderFile(const QString& programFolderFile) {
    const QFileInfo folder(QFileInfo(programFolderFile).absolutePath());
    // SQLite writes its journal beside the file, so the folder decides, not the file: a read-only
    // file in a writable folder is still the one, and is reported as before.
    return !isSystemProgramFolder(folder) && canMakeFileIn(folder);
}

}  // namespace

QString playerScoreFolder(const QString& programFolderFile) {
#ifdef Q_OS_UNIX
    // Worked out here rather than by QStandardPaths, which in Qt 6.4 takes a relative
    // XDG_DATA_HOME as it is (so the copy would follow the working folder), turns an empty HOME
    // into "//.local/share", and decodes a name that is not UTF-8 into one with replacement
    // characters, a folder that does not exist and would be made beside the real one.
    QByteArray base = qgetenv("XDG_DATA_HOME");
    if (!base.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/')) {
            return {};
        }
        base = home + "/.local/share";
    }
    const QString folder = QFile::decodeName(base);
    if (QFile::encodeName(folder) != base) {
        throw scoreFileFailure(
            programFolderFile,
            QT_TRANSLATE_NOOP("ScoreFile",
                              "cannot be copied for you: the name of your folder is not UTF-8"),
            because(folder));
    }
    return QDir::cleanPath(folder + QLatin1Char('/') +
                           QString::fromLatin1(appidentity::kApplication));
#else
    (void)programFolderFile;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

QString playerScoreFile(const QString& programFolderFile, const QString& ownFolder) {
    // Without a home folder there is nowhere of the player's own to keep scores.
    if (ownFolder.isEmpty()) {
        throw scoreFileFailure(
            programFolderFile,
            QT_TRANSLATE_NOOP("ScoreFile",
                              "cannot be written, and there is no folder of your own for a copy"));
    }
    const QString copyPath = ownFolder + QStringLiteral("/hiscore.mdb");
    // A copy, once made, is the player's scores: whatever happens to the program folder's file
    // later, it is never copied over them. A copy damaged since is reported when it is opened.
    if (!exists(copyPath)) {
        makeCopy(programFolderFile, ownFolder, copyPath);
    }
    removeStaleScratchFiles(ownFolder);
    return copyPath;
}

QString scoreFileInUse(const QString& programFolderFile, const QString& ownFolder) {
    if (usesProgramFolderFile(programFolderFile)) {
        return programFolderFile;
    }
    return playerScoreFile(programFolderFile, ownFolder);
}

QString scoreFileInUse(const QString& programFolderFile) {
    if (usesProgramFolderFile(programFolderFile)) {
        return programFolderFile;
    }
    return playerScoreFile(programFolderFile, playerScoreFolder(programFolderFile));
}
