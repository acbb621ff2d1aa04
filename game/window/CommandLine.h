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
    // Why a command line is refused, or a Qt option left out.
    enum class Problem {
        None,
        NotAnOption,        // an argument before "--" that is no option of ours or Qt's
        NeedsValue,         // a Qt option with no value before "--"
        NameNotText,        // a picture's name is not UTF-8, so no file can be opened by it
        StyleSheetLeftOut,  // -stylesheet named no regular file of a style sheet's size
    };

    Action action = Action::Play;
    // For QApplication, after the program's name: only Qt options from before "--".
    std::vector<std::string> qtArguments;
    QStringList pictures;
    // For Action::Refuse, or StyleSheetLeftOut when the game still starts; `subject` is the
    // argument concerned. The text is made by commandLineProblem() once the catalogues are in.
    Problem problem = Problem::None;
    QString subject;
};

CommandLine readCommandLine(const std::vector<std::string>& arguments);  // without the name
CommandLine readCommandLine(int argc, char** argv);

// The problem in the language the window speaks, without the program's name.
std::string commandLineProblem(const CommandLine& line);
std::string commandLineUsage();
std::string commandLineVersion();
