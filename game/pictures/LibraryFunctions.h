#pragma once

#include <QLibrary>

// Looks up one function of a library loaded at run time; false when the library lacks it.
template <typename Function>
bool resolveFunction(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}
