#pragma once

#include "platform/Dialogs.h"

// Hands every box on to `boxes` and knows whether one of them is open, so that the window can
// refuse what a modal box shuts out for the mouse and the keyboard also when it comes another way
// (a screen reader pressing a button behind the box).
class TrackedDialogs : public Dialogs {
public:
    explicit TrackedDialogs(Dialogs& boxes) : boxes_(boxes) {}

    // A box shown through here, or any other modal box of the application, is open.
    bool boxOpen() const;

    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string askText(const std::string& prompt, const std::string& title,
                        const std::string& defaultText) override;
    std::string chooseOpenFile(const std::string& title, const std::string& filter) override;
    void noteForReaders(const std::string& note) override { boxes_.noteForReaders(note); }
    void tellNoteNow() override { boxes_.tellNoteNow(); }
    void tellReaders(const std::string& text) override { boxes_.tellReaders(text); }

private:
    class OpenBox;

    Dialogs& boxes_;
    int open_ = 0;
};
