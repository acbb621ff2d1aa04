#pragma once

#include <QLibrary>

// Loads a library of the game's runtime: on Windows the DLL beside the game, elsewhere the system's
// library by its soname.
inline bool loadRuntimeLibrary(QLibrary& library, const char* windowsName, const char* unixName,
                               int unixVersion) {
#ifdef _WIN32
    Q_UNUSED(unixName);
    Q_UNUSED(unixVersion);
    library.setFileName(QString::fromLatin1(windowsName));
#else
    Q_UNUSED(windowsName);
    library.setFileNameAndVersion(QString::fromLatin1(unixName), unixVersion);
#endif
    return library.load();
}

// Looks up one function of a library loaded at run time; false when the library lacks it.
template <typename Function>
bool resolveFunction(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}
