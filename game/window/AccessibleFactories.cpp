#include "game/window/AccessibleFactories.h"

#include <QAccessible>

#include "game/boardview/BoardAccessible.h"
#include "game/window/ValueBoxAccessible.h"
#include "platform/ReaderNotice.h"

void installAccessibleFactories() {
    static const bool installed = [] {
        QAccessible::installFactory(boardAccessibleFactory);
        QAccessible::installFactory(valueBoxAccessibleFactory);
        QAccessible::installFactory(readerNoticeFactory);
        return true;
    }();
    (void)installed;
}
