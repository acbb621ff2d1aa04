#pragma once

#include <QString>
#include <string>

#include "platform/Dialogs.h"

class QWidget;

// The program's filter "description|patterns" (patterns separated by ';', further pairs after more
// '|') in Qt's form "description (*.a *.b)", pairs joined by ";;".
QString toQtFileFilter(const std::string& filter);

// Qt breaks lines at LF only, so CR LF and a lone CR each become one LF for display.
QString toDisplayLines(const std::string& text);

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
