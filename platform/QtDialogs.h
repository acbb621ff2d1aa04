#pragma once

#include <QString>
#include <string>

#include "platform/Dialogs.h"

class QWidget;

// The program's filter "description|patterns" (patterns separated by ';', further pairs after more
// '|') in Qt's form "description (*.a *.b)", pairs joined by ";;". The file box hides the bracket,
// so it lists each description exactly as written and filters on the patterns.
QString toQtFileFilter(const std::string& filter);

// Qt breaks lines at LF only, so CR LF and a lone CR each become one LF for display.
QString toDisplayLines(const std::string& text);

// The real boxes: QMessageBox, QInputDialog and QFileDialog, modal over `parent`. An empty title
// shows the application's title (QCoreApplication::applicationName()).
//
// The file box opens in the folder of the last file the player chose in it, which the user's
// settings remember from run to run (Tavlora/Tavlora.conf). Until then, or when that folder is
// gone, it opens in the first folder: the stock pictures beside the program.
//
// A key held down when a box opens does not act in it (HeldKeyGuard, installed with the first
// QtDialogs).
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);
    void setParent(QWidget* parent) { parent_ = parent; }
    void setFirstFolder(const QString& folder) { firstFolder_ = folder; }

    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string askText(const std::string& prompt, const std::string& title,
                        const std::string& defaultText) override;
    std::string chooseOpenFile(const std::string& title, const std::string& filter) override;
    // The note goes with the control that has the focus when the next message or name box
    // opens, as its accessible description.
    void noteForReaders(const std::string& note) override { note_ = QString::fromStdString(note); }
    void tellNoteNow() override;
    // Said with the parent's window (tellScreenReaders).
    void tellReaders(const std::string& text) override;

private:
    QString startFolder() const;
    QString takeNote();

    QString note_;

    QWidget* parent_;
    QString firstFolder_;
};
