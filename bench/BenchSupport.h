#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "game/window/Form1.h"
#include "platform/Dialogs.h"
#include "platform/RandomSource.h"
#include "platform/SkinFramework.h"
#include "platform/UrlOpener.h"
#include "tests/support/Deals.h"
#include "tests/support/FakeDialogs.h"

class SilentUrlOpener : public UrlOpener {
public:
    void open(const QString& /*url*/) override {}
};

// The game window, shown, over a temporary program folder with a fresh high-score file, and a
// photo-like 400 x 400 picture loaded through "Load Picture".
class BenchWindow {
public:
    explicit BenchWindow(std::unique_ptr<RandomSource> random);
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    Form1& form() { return *form_; }
    FakeDialogs& dialogs() { return dialogs_; }
    QString folderPath(const QString& name) const { return folder_.path() + name; }

    // Whatever went wrong so far, as one line; empty when nothing did.
    std::string problems() const;

private:
    QTemporaryDir folder_;
    FakeDialogs dialogs_;
    std::unique_ptr<RandomSource> random_;
    SilentUrlOpener urlOpener_;
    SkinFramework skin_;
    std::unique_ptr<Form1> form_;
};

// The way round the reader's reduced-size decoding, for comparison with loadPuzzlePicture: the
// whole picture decoded at full size, then shrunk to 400 x 400. Qt's default allocation limit
// (128 MB) refuses a full decode above about 33 megapixels, so it is raised for this call. Throws
// Failure when the file cannot be read.
QImage fullDecodeThenScale(const QString& path);

// Runs what the event loop would run now: paints, deferred deletions, timers.
void settleEvents();
// The same, and then until the window has done what it began: a picture loaded, a game ended.
void settleWindow(Form1& form);
