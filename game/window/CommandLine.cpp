#include "game/window/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";

// Qt's options that a developer may give before "--", as Qt 6 reads them (QGuiApplication,
// QApplication and the X11 platform), each with whether it takes the next argument. Left out:
// those that load further libraries at start (-testability, -qmljsdebugger).
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array kQtOptions = {
    QtOption{"-platform", true},
    QtOption{"-platformpluginpath", true},
    QtOption{"-platformtheme", true},
    QtOption{"-plugin", true},
    QtOption{"-qwindowgeometry", true},
    QtOption{"-qwindowtitle", true},
    QtOption{"-qwindowicon", true},
    QtOption{"-style", true},
    QtOption{"-stylesheet", true},
    QtOption{"-session", true},
    QtOption{"-display", true},
    QtOption{"-geometry", true},
    QtOption{"-title", true},
    QtOption{"-icon", true},
    QtOption{"-name", true},
    QtOption{"-visual", true},
    QtOption{"-reverse", false},
    QtOption{"-widgetcount", false},
    QtOption{"-nograb", false},
    QtOption{"-dograb", false},
};

// Qt takes "--style" for "-style", and "-style=NAME" for "-style NAME".
const QtOption* qtOption(std::string_view argument, bool& valueAttached) {
    if (argument.size() > 2 && argument.substr(0, 2) == "--") {
        argument.remove_prefix(1);
    }
    valueAttached = false;
    for (const QtOption& option : kQtOptions) {
        if (argument == option.name) {
            return &option;
        }
        const bool attachable = option.name == "-style" || option.name == "-stylesheet";
        if (attachable && argument.size() > option.name.size() &&
            argument.substr(0, option.name.size()) == option.name &&
            argument[option.name.size()] == '=') {
            valueAttached = true;
            return &option;
        }
    }
    return nullptr;
}

QString picture(const std::string& argument) {
    return QFile::decodeName(QByteArray::fromStdString(argument));
}

bool ourOption(const std::string& argument, CommandLine& line) {
    if (argument == kHelp) {
        line.action = CommandLine::Action::Help;
        return true;
    }
    if (argument == kVersion) {
        line.action = CommandLine::Action::Version;
        return true;
    }
    return false;
}

CommandLine refused(const std::string& problem) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.problem = problem;
    return line;
}

// The options before "--": ours, and Qt's with their values.
CommandLine readOptions(const std::vector<std::string>& options) {
    CommandLine line;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& argument = options[i];
        if (ourOption(argument, line)) {
            return line;
        }
        bool valueAttached = false;
        const QtOption* option = qtOption(argument, valueAttached);
        if (option == nullptr) {
            return refused(QCoreApplication::translate(
                               "CommandLine",
                               "\"%1\" is not an option; a picture of that name goes after \"--\".")
                               .arg(picture(argument))
                               .toStdString());
        }
        line.qtArguments.push_back(argument);
        if (option->takesValue && !valueAttached) {
            if (++i == options.size()) {
                return refused(QCoreApplication::translate("CommandLine",
                                                           "\"%1\" needs a value before \"--\".")
                                   .arg(picture(argument))
                                   .toStdString());
            }
            line.qtArguments.push_back(options[i]);
        }
    }
    return line;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    CommandLine line;
    if (end == arguments.end()) {
        for (const std::string& argument : arguments) {
            if (ourOption(argument, line)) {
                return line;
            }
            line.pictures << picture(argument);
        }
        return line;
    }
    line = readOptions(std::vector<std::string>(arguments.begin(), end));
    if (line.action == CommandLine::Action::Play) {
        for (auto it = end + 1; it != arguments.end(); ++it) {
            line.pictures << picture(*it);
        }
    }
    return line;
}

CommandLine readCommandLine(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    return readCommandLine(arguments);
}

std::string commandLineUsage() {
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: tavlora [PICTURE]\n"
               "       tavlora [QT-OPTIONS] -- [PICTURE]\n"
               "A picture puzzle: the picture is cut into 4 x 4 tiles, which you put back in order "
               "against the clock.\n"
               "\n"
               "  --help      show this help and exit\n"
               "  --version   show the version and exit\n"
               "  --          end the options: what follows is a picture, even a name that starts "
               "with \"-\"\n"
               "\n"
               "Every other argument is a picture. Before \"--\", Qt's own options (such as -style "
               "NAME or -reverse) are handed to Qt, for developers.\n")
        .toStdString();
}

std::string commandLineVersion() {
    return "tavlora " TAVLORA_VERSION "\n";
}
