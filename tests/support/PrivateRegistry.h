#pragma once

// While one exists, the current user's registry (HKEY_CURRENT_USER, where Qt keeps settings on
// Windows) is a fresh, empty key of its own, removed again at the end; elsewhere it does nothing.
class PrivateRegistry {
public:
    PrivateRegistry();
    ~PrivateRegistry();
    PrivateRegistry(const PrivateRegistry&) = delete;
    PrivateRegistry& operator=(const PrivateRegistry&) = delete;

    // False when the redirection was needed and failed: the tests would then write the real one.
    bool isActive() const { return active_; }

private:
    bool active_ = false;
};
