#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "game/BoardArea.h"
#include "game/Form1.h"
#include "game/PictureLoader.h"
#include "platform/Failure.h"
#include "platform/HoverPushButton.h"
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

// The side of the puzzle picture in device pixels: 400 logical pixels, each cell a whole number
// of device pixels so the 4 x 4 cells stay equal at any ratio.
int pictureSide(qreal ratio) {
    return 4 * static_cast<int>(std::lround(kPuzzlePictureSide / 4 * ratio));
}

// The read picture drawn on a white square, so a transparent picture shows on white.
QImage onWhite(const QImage& picture, int side) {
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::white);
    QPainter painter(&square);
    painter.drawImage(QRect(0, 0, side, side), picture);
    return square;
}

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
    showPicture(routine, PictureSource::file(QString::fromStdString(fileName)));
}

void Form1::Form_CommandLine(const QStringList& arguments) {
    ReportingRoutine routine(services_.dialogs, "Form_CommandLine");
    QString path;
    routine.step(100, [&] { path = arguments.value(0); });
    if (!path.isEmpty()) {
        showPicture(routine, PictureSource::file(path));
    }
}

void Form1::Form_OLEDragDrop(const QString& path) {
    ReportingRoutine routine(services_.dialogs, "Form_OLEDragDrop");
    bool open = false;
    routine.step(100, [&] { open = picturesWelcome(); });
    if (open) {
        showPicture(routine, PictureSource::file(path));
    }
}

void Form1::Form_Paste() {
    ReportingRoutine routine(services_.dialogs, "Form_Paste");
    bool open = false;
    routine.step(100, [&] { open = picturesWelcome(); });
    std::optional<PictureSource> source;
    if (open) {
        routine.step(102, [&] { source = pictureIn(QApplication::clipboard()->mimeData()); });
    }
    if (source) {
        showPicture(routine, *source);
    }
}

// The loading steps every way in shares: the picture read, drawn on a white square and shown.
// A picture that could not be read leaves the current one as it was; the preview never turns
// into a blank picture that a game could be started on.
void Form1::showPicture(ReportingRoutine& routine, PictureSource source) {
    const qreal ratio = devicePixelRatioF();
    const int side = pictureSide(ratio);
    bool loaded = false;
    routine.step(110, [&] {
        WaitCursor wait;
        creator_ = source.load(side);
        loaded = true;
    });
    if (!loaded) {
        return;
    }
    QImage newpic;
    routine.step(112, [&] { newpic = QImage(side, side, QImage::Format_RGB32); });
    routine.step(114, [&] { newpic.fill(Qt::white); });
    routine.step(116, [&] {
        QPainter painter(&newpic);
        painter.drawImage(QRect(0, 0, side, side), creator_);
    });
    routine.step(118, [&] {
        newpic.setDevicePixelRatio(ratio);
        puzzlePicture_ = newpic;
        pictureSource_ = std::move(source);
        imgImage->setPixmap(QPixmap::fromImage(puzzlePicture_));
    });
}

bool Form1::picturesWelcome() const {
    // As "Load Picture": only while no game runs, so a game's picture never changes under it.
    return PushButton1->isEnabled() && !game_.hasBoard();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    const auto path = localFileIn(event->mimeData());
    if (path && picturesWelcome() && !QFileInfo(*path).isDir()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void Form1::dropEvent(QDropEvent* event) {
    const auto path = localFileIn(event->mimeData());
    if (!path || !picturesWelcome()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drag source waits until the drop returns, so the picture loads, and any report shows,
    // once it has.
    QTimer::singleShot(0, this, [this, file = *path] { Form_OLEDragDrop(file); });
}

// The picture and its cells are made for the screen's device pixel ratio; on another ratio they
// are made again from the picture's source.
void Form1::applyPixelRatio(qreal ratio) {
    if (puzzlePicture_.isNull() || puzzlePicture_.devicePixelRatio() == ratio) {
        return;
    }
    const int side = pictureSide(ratio);
    try {
        if (!pictureSource_.unchangedSinceLoad()) {
            throw Failure("changed");
        }
        creator_ = pictureSource_.load(side);
    } catch (const std::exception&) {
        // Gone or changed since it was read: the picture in hand is scaled instead.
        creator_ =
            puzzlePicture_.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage picture = onWhite(creator_, side);
    picture.setDevicePixelRatio(ratio);
    const bool wholePictureShown = !picBack->pixmap().isNull();
    puzzlePicture_ = picture;
    imgImage->setPixmap(QPixmap::fromImage(puzzlePicture_));
    if (wholePictureShown) {
        picBack->setPixmap(QPixmap::fromImage(puzzlePicture_));
    }
    if (game_.hasBoard() && !clpImage_.Picture().isNull()) {
        clpImage_.setPicture(QPixmap::fromImage(puzzlePicture_));
        drawBoard();
    }
}
