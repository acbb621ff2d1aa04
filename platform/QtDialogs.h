#pragma once

#include "platform/Dialogs.h"

class QWidget;

// The real boxes: QMessageBox, QInputDialog and QFileDialog, modal over `parent`. An empty title
// shows the application's title (QCoreApplication::applicationName()).
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string askText(const std::string& prompt, const std::string& title,
                        const std::string& defaultText) override;
    std::string chooseOpenFile(const std::string& title, const std::string& filter) override;

private:
    QWidget* parent_;
};
