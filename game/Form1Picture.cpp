#include <QApplication>
#include <QLabel>
#include <QPainter>

#include "game/Form1.h"
#include "game/PictureLoader.h"
#include "shell/ErrorReport.h"

namespace {

constexpr const char* kDialogTitle = "Add File(s) - Use Ctrl & Shift to select multiple files";
constexpr const char* kPictureFilter =
    "All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)|*.bmp;*.dib;*.gif;*.jpeg;*.jpg";

// Shows the wait cursor while a picture decodes.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void Form1::PushButton1_Click() {
    ReportingRoutine routine(services_.dialogs, "PushButton1_Click");
    std::string fileName;
    std::string title;
    std::string filter;
    routine.step(100, [&] { fileName.clear(); });
    routine.step(102, [&] { title = kDialogTitle; });
    routine.step(104, [&] { filter = kPictureFilter; });
    routine.step(106, [&] { fileName = services_.dialogs.chooseOpenFile(title, filter); });
    if (fileName.empty()) {
        return;  // cancelled
    }
    bool loaded = false;
    routine.step(110, [&] {
        WaitCursor wait;
        creator_ = loadPuzzlePicture(QString::fromStdString(fileName));
        loaded = true;
    });
    // A file that could not be read leaves the current picture as it was; the preview never
    // turns into a blank picture that a game could be started on.
    if (!loaded) {
        return;
    }
    QImage newpic;
    routine.step(112, [&] {
        newpic = QImage(kPuzzlePictureSide, kPuzzlePictureSide, QImage::Format_RGB32);
    });
    routine.step(114, [&] { newpic.fill(Qt::white); });
    routine.step(116, [&] {
        QPainter painter(&newpic);
        painter.drawImage(QRect(0, 0, kPuzzlePictureSide, kPuzzlePictureSide), creator_);
    });
    routine.step(118, [&] {
        puzzlePicture_ = newpic;
        imgImage->setPixmap(QPixmap::fromImage(puzzlePicture_));
    });
}
