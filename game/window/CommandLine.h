#pragma once

#include <QStringList>
#include <string>
#include <vector>

// What the command line asks for. A picture is what a player names here, and a file manager passes
// whatever name a file has, so every argument is a picture except --help, --version and --mute.
// Only a command line that marks its options with "--" has options before it: ours, and Qt's own,
// which are handed to Qt for developers. Nothing a player names ever reaches Qt.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    // Why a command line is refused, or a Qt option left out.
    enum class Problem {
        None,
        NotAnOption,        // an argument before "--" that is no option of ours or Qt's
        NeedsValue,         // a Qt option with no value before "--"
        NameNotText,        // a picture's name is not UTF-8, so no file can be opened by it
        StyleSheetLeftOut,  // -stylesheet named no regular file of a style sheet's size
        VisualLeftOut,      // -visual named a visual the X server does not have
    };
    // A Qt option left out, with the argument concerned; the game still starts.
    struct LeftOut {
        Problem problem;
        QString subject;
    };

    Action action = Action::Play;
    // For QApplication, after the program's name: only Qt options from before "--".
    std::vector<std::string> qtArguments;
    QStringList pictures;
    // For Action::Refuse, with the argument concerned. The texts of problems are made by
    // commandLineProblem() once the catalogues are in.
    Problem problem = Problem::None;
    QString subject;
    std::vector<LeftOut> leftOut;
    bool mute = false;  // --mute: no sounds in this run
};

CommandLine readCommandLine(const std::vector<std::string>& arguments);  // without the name
CommandLine readCommandLine(int argc, char** argv);

// A problem in the language the window speaks, without the program's name.
std::string commandLineProblem(CommandLine::Problem problem, const QString& subject);
// Why the command line is refused.
std::string commandLineProblem(const CommandLine& line);
std::string commandLineUsage();
std::string commandLineVersion();
