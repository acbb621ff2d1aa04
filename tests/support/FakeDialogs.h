#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

// Answers the program's boxes from queued replies and records every box shown.
class FakeDialogs : public Dialogs {
public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
        std::string readerNote;  // what a screen reader heard with the box
    };
    struct Question {
        std::string prompt;
        std::string title;
        std::string defaultText;
        std::string readerNote;
    };
    struct FileRequest {
        std::string title;
        std::string filter;
    };

    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string askText(const std::string& prompt, const std::string& title,
                        const std::string& defaultText) override;
    std::string chooseOpenFile(const std::string& title, const std::string& filter) override;
    void noteForReaders(const std::string& note) override { note_ = note; }
    void tellNoteNow() override;
    void tellReaders(const std::string& text) override { toldReaders.push_back(text); }

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<FileRequest> fileRequests;
    std::vector<std::string> toldReaders;  // said to screen readers with no box
    std::deque<std::string> textReplies;   // an empty queue answers as a cancelled box
    std::deque<std::string> fileReplies;

    // Every box in the order shown: "message: <title>|<text>", "ask: <prompt>", "file: <title>".
    std::vector<std::string> log;
    // Runs while the name box is "open", as events would run under a real modal box.
    std::function<void()> whileAsking;

    // Messages titled "Application Error".
    std::vector<Message> errorReports() const;

private:
    std::string note_;
};
