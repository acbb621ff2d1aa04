#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::open(const QString& url) {
    // The browser starts on its own; whether it managed to is no concern of the game.
    QDesktopServices::openUrl(QUrl(url));
}
