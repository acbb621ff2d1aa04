#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "game/window/StartupReport.h"

// The smallest Qt Widgets program with a window of the game's size and one line of text: what
// any Qt Widgets window costs on this machine.
int main(int argc, char** argv) {
    const StartupClock::time_point mainBegan = StartupClock::now();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Trivial window");
    window.resize(584, 451);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Hello", &window));
    AfterFirstPaint report(window, [mainBegan] { reportFirstPaint(mainBegan); });
    window.show();
    return app.exec();
}
