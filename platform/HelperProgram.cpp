#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QProcess>
#include <utility>

namespace {

// A killed program is gone within a few milliseconds; closing the window never waits longer.
constexpr int kEndWaitMilliseconds = 50;

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
            ending->setParent(nullptr);  // let go, never deleted: its destructor would wait
            return;
        }
    }
    delete ending;
}
