#pragma once

#include <QFile>
#include <QString>
#include <memory>

// Why a file could not be opened for reading.
enum class FileRefusal {
    None,
    Missing,     // nothing of that name, or a folder on the way is not one
    Folder,      // a folder, not a file
    NotAFile,    // a named pipe, a socket or a device: reading it may never end
    Unreadable,  // the file, or a folder on the way, may not be read by this user
    Failed,      // another error of the system's, in `error`
};

struct OpenedFile {
    std::unique_ptr<QFile> file;  // open for reading when `refusal` is None
    FileRefusal refusal = FileRefusal::None;
    QString error;
};

// Opens `path` for reading only if it is a regular file (links followed). A pipe, socket or device
// is refused from its directory entry, before it is opened, since opening or reading one can wait
// for another program without end; the file is then opened without waiting and checked again, in
// case it was replaced in between.
OpenedFile openRegularFile(const QString& path);
