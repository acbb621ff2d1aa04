#pragma once

#include <QString>
#include <QStringList>

// The languages the build compiles catalogues for, and where it puts them.
inline QStringList catalogueLanguages() {
    return QString(TAVLORA_LANGUAGES).split(u',');
}
inline QString catalogueFolder() {
    return QStringLiteral(TAVLORA_CATALOGUES);
}
inline QString sourceFolder() {
    return QStringLiteral(TAVLORA_SOURCE_DIR);
}
