// Holds the Windows clipboard for the clipboard tests, offering its formats to be rendered only
// when asked (delayed rendering), and answering the way it is told to:
//   windows_clipboard_owner silent                       offers one picture, then stops answering
//   windows_clipboard_owner list TYPE...                  is asked, and never comes back from it
//   windows_clipboard_owner drip TYPE FILE                renders FILE only 6 s after it is asked
//   windows_clipboard_owner slow MS TYPE FILE [TYPE FILE] renders MS after it is asked
//   windows_clipboard_owner serve TYPE FILE [TYPE FILE]   renders at once
//   windows_clipboard_owner flood TYPE MIB [TYPE MIB]     renders MIB MiB
// TYPE is named as the game names it: image/png is "PNG", image/bmp a bitmap (FILE a bitmap file),
// text/plain Unicode text, text/uri-list a list of files (FILE holds one path a line); any other is
// registered under its name. It prints "owning" once it holds the clipboard, and runs until
// another program takes it or it is killed.
#include <windows.h>
// windows.h first: shlobj.h needs its types.
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>

namespace {

std::string mode;
int delayMs = 0;
std::map<UINT, std::string> rendered;  // what each format renders, by format

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring wide(const std::string& utf8) {
    std::wstring text(static_cast<size_t>(MultiByteToWideChar(
                          CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        static_cast<int>(text.size()));
    return text;
}

std::string bytesOf(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()),
                       (text.size() + 1) * sizeof(wchar_t));
}

UINT formatOf(const std::string& type) {
    if (type == "image/png") {
        return RegisterClipboardFormatW(L"PNG");
    }
    if (type == "image/bmp") {
        return CF_DIB;
    }
    if (type == "text/plain") {
        return CF_UNICODETEXT;
    }
    if (type == "text/uri-list") {
        return CF_HDROP;
    }
    return RegisterClipboardFormatW(wide(type).c_str());
}

// The data as the clipboard holds it in `format`, from the file's bytes.
std::string asHeld(UINT format, const std::string& bytes) {
    if (format == CF_DIB) {
        return bytes.size() > 14 ? bytes.substr(14) : std::string();  // without the file header
    }
    if (format == CF_UNICODETEXT) {
        return bytesOf(wide(bytes));
    }
    if (format == CF_HDROP) {
        DROPFILES header{};
        header.pFiles = sizeof header;
        header.fWide = TRUE;
        std::wstring paths;
        std::istringstream lines(bytes);
        for (std::string line; std::getline(lines, line);) {
            paths += wide(line) + L'\0';
        }
        return std::string(reinterpret_cast<const char*>(&header), sizeof header) + bytesOf(paths);
    }
    return bytes;
}

void render(UINT format) {
    const auto found = rendered.find(format);
    if (found == rendered.end()) {
        return;
    }
    const std::string& bytes = found->second;
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (data == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(data), bytes.data(), bytes.size());
    GlobalUnlock(data);
    if (SetClipboardData(format, data) == nullptr) {
        GlobalFree(data);
    }
}

LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_RENDERFORMAT:
            if (mode == "list") {
                for (;;) {
                    Sleep(INFINITE);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(mode == "drip" ? 6000 : delayMs));
            render(static_cast<UINT>(wParam));
            return 0;
        case WM_RENDERALLFORMATS:
            return 0;  // what was not asked for goes with this program
        case WM_DESTROYCLIPBOARD:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: windows_clipboard_owner silent|list|drip|slow|serve|flood ...\n");
        return 2;
    }
    mode = argv[1];
    int first = 2;
    if (mode == "slow" && argc > 2) {
        delayMs = std::atoi(argv[2]);
        first = 3;
    }
    const bool paired = mode == "drip" || mode == "slow" || mode == "serve" || mode == "flood";
    if (mode == "silent") {
        rendered[formatOf("image/png")] = std::string();
    }
    for (int i = first; i < argc; i += paired ? 2 : 1) {
        const UINT format = formatOf(argv[i]);
        std::string bytes;
        if (mode == "flood" && i + 1 < argc) {
            bytes.assign(static_cast<size_t>(std::atoll(argv[i + 1])) << 20, '\0');
        } else if (paired && i + 1 < argc) {
            bytes = asHeld(format, readFile(argv[i + 1]));
        }
        rendered[format] = std::move(bytes);
    }
    WNDCLASSW type{};
    type.lpfnWndProc = ownerProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"TavloraClipboardOwner";
    RegisterClassW(&type);
    HWND window = CreateWindowW(type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                type.hInstance, nullptr);
    // A reader of an earlier owner may still have the clipboard open for a moment.
    bool opened = false;
    for (int tries = 0; tries < 500 && !(opened = OpenClipboard(window)); ++tries) {
        Sleep(20);
    }
    if (window == nullptr || !opened) {
        std::fprintf(stderr, "windows_clipboard_owner: cannot open the clipboard\n");
        return 1;
    }
    EmptyClipboard();
    for (const auto& [format, bytes] : rendered) {
        SetClipboardData(format, nullptr);  // rendered when asked
    }
    CloseClipboard();
    std::printf("owning\n");
    std::fflush(stdout);
    if (mode == "silent") {
        for (;;) {
            Sleep(INFINITE);
        }
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
