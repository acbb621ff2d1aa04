#pragma once

#include <string>

enum class MessageIcon { None, Warning, Information, Critical };

// Every modal box the program shows goes through here, so tests can answer them without a window.
// Texts are UTF-8. An empty title means the application's title.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void showMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;

    // The player's text, or "" when the box was cancelled.
    virtual std::string askText(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) = 0;

    // One chosen path, or "" when the dialog was cancelled. The filter is "description|patterns"
    // with patterns separated by ';'.
    virtual std::string chooseOpenFile(const std::string& title, const std::string& filter) = 0;

    // What a screen reader is to hear with the next box, besides the box's own texts; the box
    // shows nothing of it. An empty note takes back one not yet heard.
    virtual void noteForReaders(const std::string& note) { (void)note; }
    // The note no box has taken is told to screen readers at once instead; nothing when none
    // waits.
    virtual void tellNoteNow() {}
    // What a screen reader is to hear at once, with no box: a refusal or a confirmation that the
    // window shows nothing of.
    virtual void tellReaders(const std::string& text) { (void)text; }
};
