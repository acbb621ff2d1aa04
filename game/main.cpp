#include <QApplication>
#include <QScreen>

#include "game/Form1.h"
#include "platform/QtDialogs.h"
#include "platform/SkinFramework.h"
#include "platform/TimeSeededRandom.h"
#include "platform/UrlOpener.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtDialogs dialogs;
    TimeSeededRandom random;
    DesktopUrlOpener urlOpener;
    SkinFramework skin;

    Form1 form({dialogs, random, urlOpener, skin});
    dialogs.setParent(&form);
    QObject::connect(&form, &Form1::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    form.Form_Load();

    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    return app.exec();
}
