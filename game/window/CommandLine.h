#pragma once

#include <QStringList>
#include <string>
#include <vector>

// What the command line asks for. A picture is what a player names here, and a file manager passes
// whatever name a file has, so every argument is a picture except --help and --version. Only a
// command line that marks its options with "--" has options before it: ours, and Qt's own, which
// are handed to Qt for developers. Nothing a player names ever reaches Qt.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };

    Action action = Action::Play;
    // For QApplication, after the program's name: only Qt options from before "--".
    std::vector<std::string> qtArguments;
    QStringList pictures;
    // Why a command line is refused, for Action::Refuse.
    std::string problem;
};

CommandLine readCommandLine(const std::vector<std::string>& arguments);  // without the name
CommandLine readCommandLine(int argc, char** argv);

std::string commandLineUsage();
std::string commandLineVersion();
