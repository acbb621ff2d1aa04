#include "tests/support/FakeDialogs.h"

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
    messages.push_back({text, title, icon});
}

std::string FakeDialogs::askText(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    questions.push_back({prompt, title, defaultText});
    return takeFront(textReplies);
}

std::string FakeDialogs::chooseOpenFile(const std::string& title, const std::string& filter) {
    fileRequests.push_back({title, filter});
    return takeFront(fileReplies);
}
