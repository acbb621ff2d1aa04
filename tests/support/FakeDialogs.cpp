#include "tests/support/FakeDialogs.h"

#include <utility>

namespace {
std::string takeFront(std::deque<std::string>& replies) {
    if (replies.empty()) {
        return "";
    }
    std::string reply = replies.front();
    replies.pop_front();
    return reply;
}
}  // namespace

void FakeDialogs::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    messages.push_back({text, title, icon, std::exchange(note_, {})});
    log.push_back("message: " + title + "|" + text);
}

std::string FakeDialogs::askText(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    questions.push_back({prompt, title, defaultText, std::exchange(note_, {})});
    log.push_back("ask: " + prompt);
    if (whileAsking) {
        whileAsking();
    }
    return takeFront(textReplies);
}

std::string FakeDialogs::chooseOpenFile(const std::string& title, const std::string& filter) {
    fileRequests.push_back({title, filter});
    log.push_back("file: " + title);
    return takeFront(fileReplies);
}

std::vector<FakeDialogs::Message> FakeDialogs::errorReports() const {
    std::vector<Message> reports;
    for (const auto& m : messages) {
        if (m.title == "Application Error") {
            reports.push_back(m);
        }
    }
    return reports;
}

void FakeDialogs::tellNoteNow() {
    if (!note_.empty()) {
        toldReaders.push_back(std::exchange(note_, {}));
    }
}
