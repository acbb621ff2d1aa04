#include "platform/ProgramArguments.h"

#ifdef _WIN32
#include <QString>

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>
#endif

std::vector<std::string> programArguments(int argc, char** argv) {
    std::vector<std::string> arguments;
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        for (int i = 1; i < count; ++i) {
            arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
        }
        LocalFree(wide);
        return arguments;
    }
    // Without memory for the wide copy, the ANSI arguments are better than none.
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
    }
#else
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
#endif
    return arguments;
}
