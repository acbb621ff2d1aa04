#include "shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
}  // namespace

QString programFolder() {
    const QString& folder = folderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolderOverride(const QString& folder) {
    folderOverride() = folder;
}

QString programFolderPath(const QString& relativeName) {
    return programFolder() + relativeName;
}

bool fileExists(const QString& path) {
    // An empty path would make QFileInfo look at the working folder, and a NUL inside a path
    // cannot name any file; neither may count as present.
    if (path.isEmpty() || path.contains(QChar(u'\0'))) {
        return false;
    }
    try {
        return QFileInfo(path).lastModified().isValid();
    } catch (...) {
        return false;
    }
}
