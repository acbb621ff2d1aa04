// Puts a fresh high-score file at the path given, unless a file is there already: a player's
// scores survive every rebuild and reinstall.
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "platform/Failure.h"
#include "scores/ScoreDatabase.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hiscore <path of hiscore.mdb>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) {
        return 0;
    }
    try {
        createScoreFile(path);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.description().c_str());
        return 1;
    }
    return 0;
}
