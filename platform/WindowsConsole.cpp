#include "platform/WindowsConsole.h"

#ifdef _WIN32
#include <io.h>

#include <windows.h>
#include <algorithm>
#endif

namespace {

#ifdef _WIN32
bool hasHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// The console `stream` writes to, or null when it writes to a file, a pipe or nowhere. A stream
// the C library started without (a windowed program's) goes to the standard handle the console
// was given to.
HANDLE consoleOf(std::FILE* stream) {
    const int descriptor = _fileno(stream);
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (descriptor >= 0) {
        handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    } else if (stream == stdout || stream == stderr) {
        handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    }
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || GetConsoleMode(handle, &mode) == 0) {
        return nullptr;
    }
    return handle;
}

bool writeToConsole(HANDLE console, std::FILE* stream, const QString& text) {
    std::fflush(stream);
    // Windows' console writes a bare LF as a line end; a CR before it would stay harmless too.
    const std::wstring wide = text.toStdWString();
    std::size_t written = 0;
    while (written < wide.size()) {
        DWORD done = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(wide.size() - written, 8192));
        if (WriteConsoleW(console, wide.data() + written, piece, &done, nullptr) == 0 ||
            done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}
#endif

}  // namespace

void reachParentConsole() {
#ifdef _WIN32
    static bool tried = false;
    if (tried) {
        return;
    }
    tried = true;
    const bool out = hasHandle(STD_OUTPUT_HANDLE);
    const bool err = hasHandle(STD_ERROR_HANDLE);
    if (out && err) {
        return;
    }
    // Access denied: the program has a console already (Wine gives a windowed program its
    // parent's), only no streams on it.
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0 && GetLastError() != ERROR_ACCESS_DENIED) {
        return;
    }
    // Only the streams that had nowhere to go: a redirected one keeps its file or pipe. The C
    // library's streams of a windowed program cannot be reopened (msvcrt's freopen refuses a
    // stream it never opened), so the text goes to the standard handles (writeText).
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) {
        return;
    }
    if (!out) {
        SetStdHandle(STD_OUTPUT_HANDLE, console);
    }
    if (!err) {
        SetStdHandle(STD_ERROR_HANDLE, console);
    }
#endif
}

bool writeText(std::FILE* stream, const std::string& utf8) {
#ifdef _WIN32
    if (const HANDLE console = consoleOf(stream)) {
        return writeToConsole(console, stream, QString::fromStdString(utf8));
    }
#endif
    return std::fputs(utf8.c_str(), stream) >= 0;
}

bool writeText(std::FILE* stream, const QString& text) {
#ifdef _WIN32
    if (const HANDLE console = consoleOf(stream)) {
        return writeToConsole(console, stream, text);
    }
#endif
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0;
}
