#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <memory>

// Another program holding the X clipboard (tests/platform/tools/clipboard_owner.cpp), answering
// the way its arguments say, until it is stopped.
class ClipboardOwner {
public:
    explicit ClipboardOwner(const QStringList& arguments) {
        process_.start(QStringLiteral(CLIPBOARD_OWNER), arguments);
        owning_ = process_.waitForReadyRead(15000) && process_.readLine().trimmed() == "owning";
    }
    ~ClipboardOwner() { stop(); }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    bool owning() const { return owning_; }
    // Ends it; the clipboard then has no owner.
    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

private:
    QProcess process_;
    bool owning_ = false;
};
