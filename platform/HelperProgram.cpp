#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QProcess>
#include <utility>
#include <vector>

namespace {

// A killed program is gone within a few milliseconds; closing the window never waits longer.
constexpr int kEndWaitMilliseconds = 50;

// Helpers killed but not yet gone. Each is deleted once it has ended; one still here when the game
// ends is reaped by the system. The list itself is never destroyed, so that what it holds stays
// reachable to the very end and no leak check counts it as lost.
std::vector<QProcess*>& helpersGoing() {
    static auto* going = new std::vector<QProcess*>;
    return *going;
}

void letGo(QProcess* process) {
    process->setParent(nullptr);  // no parent's destructor waits for it either
    helpersGoing().push_back(process);
    QObject::connect(process, &QProcess::finished, process, [process] {
        std::erase(helpersGoing(), process);
        process->deleteLater();
    });
}

}  // namespace

QString helperProgramPath(const QString& name) {
#ifdef _WIN32
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name +
           QStringLiteral(".exe");
#else
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
#endif
}

void endHelperAtOnce(QProcess*& process) {
    QProcess* ending = std::exchange(process, nullptr);
    if (ending == nullptr) {
        return;
    }
    ending->disconnect();
    if (ending->state() != QProcess::NotRunning) {
        ending->kill();
        if (!ending->waitForFinished(kEndWaitMilliseconds)) {
            letGo(ending);  // its destructor would wait
            return;
        }
    }
    delete ending;
}
