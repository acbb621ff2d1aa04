#pragma once

#ifndef _WIN32
#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

// Helper programs that a test runs as a player without root's power to read and write past any
// permission: the user "nobody" when the tests run as root (as CI does), the tester otherwise.
namespace otheruser {

inline constexpr uid_t kNobody = 65534;

inline bool testsRunAsRoot() {
    return geteuid() == 0;
}

// A copy of `program` in `folder`, which the test has opened to everyone. The build itself may be
// out of the other user's reach: a checkout in a folder only its owner may enter (root's home, one
// made by `mktemp -d`) keeps every program in it from them. The test programs need nothing from
// the build folder once copied. Empty when the copy fails.
inline QString runnableCopy(const QString& program, const QString& folder) {
    const QString copy = folder + QStringLiteral("/") + QFileInfo(program).fileName();
    QFile::remove(copy);
    if (!QFile::copy(program, copy) ||
        !QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther)) {
        return {};
    }
    return copy;
}

// Makes `process` run `copy` (made by runnableCopy), from the copy's folder, as nobody when the
// tests run as root; exit code 3 when the switch of user fails.
inline void runAsPlayer(QProcess& process, const QString& copy) {
    process.setProgram(copy);
    process.setWorkingDirectory(QFileInfo(copy).absolutePath());
    if (testsRunAsRoot()) {
        process.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                _exit(3);
            }
        });
    }
}

}  // namespace otheruser
#endif
