#include "game/window/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "platform/ProgramArguments.h"
#ifndef _WIN32
#include "platform/X11Visual.h"
#endif

namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";
constexpr std::string_view kMute = "--mute";

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

// Qt on Linux names files in UTF-8; a name in any other encoding (an old Latin-1 "K\xf6ln.jpg")
// would reach the file system changed and name no file.
// The arguments are UTF-8 on Windows (programArguments), the system's bytes for a name elsewhere.
QString argumentText(const QByteArray& bytes) {
#ifdef _WIN32
    return QString::fromUtf8(bytes);
#else
    return QFile::decodeName(bytes);
#endif
}

bool isFileNameText(const std::string& argument) {
    const QByteArray bytes = QByteArray::fromStdString(argument);
#ifdef _WIN32
    return argumentText(bytes).toUtf8() == bytes;
#else
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
#endif
}

// "-stylesheet" for "--stylesheet" and "-stylesheet=FILE".
std::string_view qtOptionName(std::string_view argument) {
    if (argument.size() > 2 && argument.substr(0, 2) == "--") {
        argument.remove_prefix(1);
    }
    return argument.substr(0, argument.find('='));
}

QString picture(const std::string& argument) {
    return argumentText(QByteArray::fromStdString(argument));
}

// Qt reads a style sheet whole as the application starts, and a pipe or a device named here would
// hold or end the game there. A style sheet is text, as large as a skin may be.
constexpr qint64 kLargestStyleSheet = 1024 * 1024;

bool isStyleSheetFile(const std::string& path) {
    const QFileInfo info(argumentText(QByteArray::fromStdString(path)));
    return info.isFile() && info.size() <= kLargestStyleSheet;
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

CommandLine refused(CommandLine::Problem problem, const std::string& subject) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.problem = problem;
    line.subject = picture(subject);
    return line;
}

// A Qt option and its value, as Qt takes them; -stylesheet only with a file Qt can read at once.
void addQtOption(CommandLine& line, const std::string& option, const std::string* value) {
    const bool styleSheet = qtOptionName(option) == "-stylesheet";
    const std::string path = value ? *value : option.substr(option.find('=') + 1);
    if (styleSheet && !isStyleSheetFile(path)) {
        line.leftOut.push_back({CommandLine::Problem::StyleSheetLeftOut, picture(path)});
        return;
    }
    line.qtArguments.push_back(option);
    if (value) {
        line.qtArguments.push_back(*value);
    }
}

#ifndef _WIN32
// The value of the last of Qt's options of this name, as it stands in `qtArguments`; only the X
// platform's options are looked at.
std::optional<std::string> qtValue(const std::vector<std::string>& qtArguments,
                                   std::string_view name) {
    std::optional<std::string> value;
    for (std::size_t i = 0; i < qtArguments.size(); ++i) {
        if (qtOptionName(qtArguments[i]) != name) {
            continue;
        }
        const std::size_t equals = qtArguments[i].find('=');
        if (equals != std::string::npos) {
            value = qtArguments[i].substr(equals + 1);
        } else if (i + 1 < qtArguments.size()) {
            value = qtArguments[++i];
        }
    }
    return value;
}
#endif

// Qt reads -visual's number as C does (0x for hex, 0 for octal) and passes over what is none.
void leaveOutMissingVisual(CommandLine& line) {
#ifdef _WIN32
    Q_UNUSED(line);
#else
    const std::optional<std::string> visual = qtValue(line.qtArguments, "-visual");
    if (!visual) {
        return;
    }
    bool number = false;
    const uint id = QByteArray::fromStdString(*visual).toUInt(&number, 0);
    const std::optional<std::string> display = qtValue(line.qtArguments, "-display");
    if (!number ||
        x11HasVisual(QByteArray::fromStdString(display.value_or(std::string())), id) != false) {
        return;
    }
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < line.qtArguments.size(); ++i) {
        if (qtOptionName(line.qtArguments[i]) == "-visual") {
            ++i;  // and its value
        } else {
            kept.push_back(line.qtArguments[i]);
        }
    }
    line.qtArguments = kept;
    line.leftOut.push_back({CommandLine::Problem::VisualLeftOut, picture(*visual)});
#endif
}

// The options before "--": ours, and Qt's with their values.
CommandLine readOptions(const std::vector<std::string>& options) {
    CommandLine line;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& argument = options[i];
        if (ourOption(argument, line)) {
            return line;
        }
        if (argument == kMute) {
            line.mute = true;
            continue;
        }
        bool valueAttached = false;
        const QtOption* option = qtOption(argument, valueAttached);
        if (option == nullptr) {
            return refused(CommandLine::Problem::NotAnOption, argument);
        }
        if (option->takesValue && !valueAttached) {
            if (++i == options.size()) {
                return refused(CommandLine::Problem::NeedsValue, argument);
            }
            addQtOption(line, argument, &options[i]);
        } else {
            addQtOption(line, argument, nullptr);
        }
    }
    leaveOutMissingVisual(line);
    return line;
}

// Every picture named, or the first whose name cannot name a file.
CommandLine addPictures(CommandLine line, std::vector<std::string>::const_iterator begin,
                        std::vector<std::string>::const_iterator end) {
    for (auto it = begin; it != end; ++it) {
        if (!isFileNameText(*it)) {
            return refused(CommandLine::Problem::NameNotText, *it);
        }
        line.pictures << picture(*it);
    }
    return line;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    CommandLine line;
    if (end == arguments.end()) {
        std::vector<std::string> pictures;
        for (const std::string& argument : arguments) {
            if (ourOption(argument, line)) {
                return line;
            }
            if (argument == kMute) {
                line.mute = true;
            } else {
                pictures.push_back(argument);
            }
        }
        return addPictures(line, pictures.begin(), pictures.end());
    }
    line = readOptions(std::vector<std::string>(arguments.begin(), end));
    if (line.action != CommandLine::Action::Play) {
        return line;
    }
    return addPictures(line, end + 1, arguments.end());
}

CommandLine readCommandLine(int argc, char** argv) {
    return readCommandLine(programArguments(argc, argv));
}

std::string commandLineProblem(const CommandLine& line) {
    return commandLineProblem(line.problem, line.subject);
}

std::string commandLineProblem(CommandLine::Problem problem, const QString& subject) {
    const char* text = nullptr;
    switch (problem) {
        case CommandLine::Problem::None:
            return {};
        case CommandLine::Problem::NotAnOption:
            text = QT_TRANSLATE_NOOP(
                "CommandLine",
                "\"%1\" is not an option; a picture of that name goes after \"--\".");
            break;
        case CommandLine::Problem::NeedsValue:
            text = QT_TRANSLATE_NOOP("CommandLine", "\"%1\" needs a value before \"--\".");
            break;
        case CommandLine::Problem::NameNotText:
            text = QT_TRANSLATE_NOOP("CommandLine",
                                     "\"%1\" cannot be opened: its name is not UTF-8 text. Rename "
                                     "the file, then name it again.");
            break;
        case CommandLine::Problem::StyleSheetLeftOut:
            text = QT_TRANSLATE_NOOP("CommandLine",
                                     "the style sheet \"%1\" is left out: it is not a file of at "
                                     "most 1 MiB.");
            break;
        case CommandLine::Problem::VisualLeftOut:
            text = QT_TRANSLATE_NOOP("CommandLine",
                                     "the visual \"%1\" is left out: the X server has no visual "
                                     "of that number.");
            break;
    }
    return QCoreApplication::translate("CommandLine", text).arg(subject).toStdString();
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
               "  --mute      play no sounds this time\n"
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
