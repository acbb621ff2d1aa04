#include "platform/SessionBus.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

bool sessionBusNamed() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

void doWithoutAnUnnamedSessionBus() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!sessionBusNamed()) {
        // An address of no kind the library knows: it refuses it without trying anything else.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
#endif
}
