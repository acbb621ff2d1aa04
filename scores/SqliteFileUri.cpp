#include "scores/SqliteFileUri.h"

#include <QDir>
#include <QUrl>

QString sqliteFileUri(const QString& path) {
    const QString cleaned = QDir::fromNativeSeparators(path);
    if (!cleaned.startsWith(QLatin1String("//"))) {
        return QUrl::fromLocalFile(cleaned).toString(QUrl::FullyEncoded);
    }
    // Everything but the path's own separators, and the letters and marks a URI leaves as they
    // are, is encoded: SQLite decodes every %HH of the path.
    return QStringLiteral("file://") +
           QString::fromLatin1(cleaned.toUtf8().toPercentEncoding(QByteArrayLiteral("/")));
}
