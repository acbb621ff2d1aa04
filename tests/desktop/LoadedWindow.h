#pragma once

#include <QTemporaryDir>

#include "game/window/Form1.h"
#include "platform/SequenceRandom.h"
#include "platform/SkinFramework.h"
#include "platform/UrlOpener.h"
#include "shell/ProgramFolder.h"
#include "tests/support/FakeDialogs.h"

class NoUrls : public UrlOpener {
public:
    void open(const QString&) override {}
};

// The main window after its load, over an empty temporary program folder.
class LoadedWindow {
public:
    LoadedWindow() : random_({0.5}), form_(Form1Services{dialogs_, random_, urls_, skin_}) {
        setProgramFolderOverride(folder_.path());
        form_.Form_Load();
    }
    ~LoadedWindow() { setProgramFolderOverride(""); }
    Form1& form() { return form_; }

private:
    QTemporaryDir folder_;
    FakeDialogs dialogs_;
    SequenceRandom random_;
    NoUrls urls_;
    SkinFramework skin_;
    Form1 form_;
};
