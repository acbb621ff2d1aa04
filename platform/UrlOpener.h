#pragma once

#include <QString>

// Opens an address in the player's browser without waiting for it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};

// Through QDesktopServices; never a command line built from text.
class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QString& url) override;
};
