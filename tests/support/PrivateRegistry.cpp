#include "tests/support/PrivateRegistry.h"

#ifdef _WIN32

#include <windows.h>

#include <string>

namespace {

// The private key lives under the real one, named after this process so parallel tests never
// share it.
std::wstring privateKeyName() {
    return L"Software\\Tavlora test registry " + std::to_wstring(GetCurrentProcessId());
}

}  // namespace

PrivateRegistry::PrivateRegistry() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, privateKeyName().c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    active_ = RegOverridePredefKey(HKEY_CURRENT_USER, key) == ERROR_SUCCESS;
    RegCloseKey(key);
}

PrivateRegistry::~PrivateRegistry() {
    if (active_) {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, privateKeyName().c_str());
    }
}

#else

PrivateRegistry::PrivateRegistry() : active_(true) {}
PrivateRegistry::~PrivateRegistry() = default;

#endif
