// tavlora-sound: plays the game's event sounds, so the window never waits for a sound server. Each
// line on its standard input names a sound of the folder given as its one argument ("slide-2-3"
// plays slide-2-3.wav); an empty input ends it. On Linux it plays through the desktop's event
// sound library, which caches each sound in the sound server when it starts, so a sound begins
// without reading its file; on Windows through the system's own call. Whatever fails stays silent.
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>
#else
#include <canberra.h>

#include <filesystem>
#endif

namespace {

// Strips a line end of Windows from `name`, and tells whether what is left names a sound.
bool takeSoundName(std::string& name) {
    if (!name.empty() && name.back() == '\r') {
        name.pop_back();  // a line ended the Windows way
    }
    if (name.empty() || name.size() > 32) {
        return false;
    }
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) {
            return false;
        }
    }
    return true;
}

#ifdef _WIN32
// The file's bytes, or none when it cannot be read or is larger than any sound of ours.
std::vector<char> readWholeFile(const std::wstring& path) {
    constexpr long kLargestSound = 4 * 1024 * 1024;
    std::vector<char> bytes;
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr) {
        return bytes;
    }
    char piece[16384];
    std::size_t got = 0;
    while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) {
        if (bytes.size() + got > kLargestSound) {
            bytes.clear();
            break;
        }
        bytes.insert(bytes.end(), piece, piece + got);
    }
    std::fclose(file);
    return bytes;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tavlora-sound FOLDER\n";
        return 2;
    }
#ifdef _WIN32
    // The folder as the wide command line names it, each sound read through the wide call and
    // played from memory: a profile folder named "Łukasz" or "Пётр" has no name in most ANSI code
    // pages, and a sound system that turns a wide file name into an ANSI one (Wine's does) would
    // lose it again. A sound is read once and kept, as the sound server caches it on Linux.
    (void)argv;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr || count != 2) {
        return 0;
    }
    const std::wstring folder = wide[1];
    LocalFree(wide);
    // Each sound's bytes stay where they are while it plays (SND_ASYNC), so none is ever dropped.
    std::map<std::string, std::vector<char>> sounds;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!takeSoundName(line)) {
            continue;
        }
        auto [sound, added] = sounds.try_emplace(line);
        if (added) {
            // A sound's name is ASCII (takeSoundName), so each byte is its own wide character.
            const std::wstring path =
                folder + L"\\" + std::wstring(line.begin(), line.end()) + L".wav";
            sound->second = readWholeFile(path);
        }
        if (!sound->second.empty()) {
            PlaySoundW(reinterpret_cast<LPCWSTR>(sound->second.data()), nullptr,
                       SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
        }
    }
    // The last sound plays on until the program ends.
    PlaySoundW(nullptr, nullptr, 0);
#else
    const std::string folder = argv[1];
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) {
        return 0;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tavlora", CA_PROP_APPLICATION_ID,
                            "tavlora", nullptr);
    ca_context_open(context);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".wav") {
            const std::string id = "tavlora-" + entry.path().stem().string();
            ca_context_cache(context, CA_PROP_EVENT_ID, id.c_str(), CA_PROP_MEDIA_FILENAME,
                             entry.path().c_str(), CA_PROP_CANBERRA_CACHE_CONTROL, "volatile",
                             nullptr);
        }
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (takeSoundName(line)) {
            const std::string id = "tavlora-" + line;
            const std::string path = folder + "/" + line + ".wav";
            ca_context_play(context, 0, CA_PROP_EVENT_ID, id.c_str(), CA_PROP_MEDIA_FILENAME,
                            path.c_str(), CA_PROP_MEDIA_ROLE, "event", nullptr);
        }
    }
    ca_context_destroy(context);
#endif
    return 0;
}
