// Stands for the game where a test ends it abruptly: starts the sound program as the window does,
// writes "started" once it runs, and waits to be ended. Arguments: the program and its folder.
#include <QCoreApplication>
#include <QTimer>
#include <iostream>

#include "game/window/SoundPlayer.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        return 2;
    }
    SoundPlayer::setProgram(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    SoundPlayer sound(nullptr);
    sound.prepare();
    QTimer::singleShot(0,
                       [&] { std::cout << (sound.running() ? "started" : "failed") << std::endl; });
    return application.exec();
}
