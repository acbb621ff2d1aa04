#include "platform/TrackedDialogs.h"

#include <QApplication>

class TrackedDialogs::OpenBox {
public:
    explicit OpenBox(int& open) : open_(open) { ++open_; }
    ~OpenBox() { --open_; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;

private:
    int& open_;
};

bool TrackedDialogs::boxOpen() const {
    return open_ > 0 || QApplication::activeModalWidget() != nullptr;
}

void TrackedDialogs::showMessage(const std::string& text, const std::string& title,
                                 MessageIcon icon) {
    OpenBox box(open_);
    boxes_.showMessage(text, title, icon);
}

std::string TrackedDialogs::askText(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
    OpenBox box(open_);
    return boxes_.askText(prompt, title, defaultText);
}

std::string TrackedDialogs::chooseOpenFile(const std::string& title, const std::string& filter) {
    OpenBox box(open_);
    return boxes_.chooseOpenFile(title, filter);
}
