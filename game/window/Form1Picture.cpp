#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <chrono>
#include <utility>

#include "game/boardview/BoardArea.h"
#include "game/pictures/PictureAddress.h"
#include "game/pictures/PictureLoad.h"
#include "game/pictures/PictureLoader.h"
#include "game/pictures/PuzzlePicture.h"
#include "game/window/ClipboardPicture.h"
#include "game/window/Form1.h"
#include "platform/HoverPushButton.h"
#include "shell/ErrorReport.h"

namespace {

constexpr const char* kDialogTitle =
    QT_TRANSLATE_NOOP("Form1", "Add File(s) - Use Ctrl & Shift to select multiple files");
// Only the description is translated; the patterns after the '|' are the same in every language.
constexpr const char* kPictureFilterName =
    QT_TRANSLATE_NOOP("Form1", "All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)");
constexpr const char* kPicturePatterns = "|*.bmp;*.dib;*.gif;*.jpeg;*.jpg";
// The longest a paste waits for the program holding the clipboard, for its list and its data.
constexpr std::chrono::milliseconds kClipboardWait{2000};

}  // namespace

void Form1::PushButton1_Click() {
    ReportingRoutine routine(services_.dialogs, "PushButton1_Click");
    std::string fileName;
    std::string title;
    std::string filter;
    routine.step(100, [&] { fileName.clear(); });
    routine.step(102, [&] { title = tr(kDialogTitle).toStdString(); });
    routine.step(104, [&] { filter = tr(kPictureFilterName).toStdString() + kPicturePatterns; });
    routine.step(106, [&] { fileName = services_.dialogs.chooseOpenFile(title, filter); });
    if (fileName.empty()) {
        return;  // cancelled
    }
    showPicture("PushButton1_Click", PictureSource::file(QString::fromStdString(fileName)));
}

void Form1::Form_CommandLine(const QStringList& arguments) {
    ReportingRoutine routine(services_.dialogs, "Form_CommandLine");
    QString path;
    routine.step(100, [&] { path = arguments.value(0); });
    if (!path.isEmpty()) {
        showPicture("Form_CommandLine", pictureNamed(path));
    }
}

void Form1::Form_OLEDragDrop(const QString& path) {
    ReportingRoutine routine(services_.dialogs, "Form_OLEDragDrop");
    bool open = false;
    routine.step(100, [&] { open = picturesWelcome(); });
    if (open) {
        showPicture("Form_OLEDragDrop", PictureSource::file(path));
    }
}

void Form1::Form_Paste() {
    ReportingRoutine routine(services_.dialogs, "Form_Paste");
    bool open = false;
    routine.step(100, [&] { open = picturesWelcome() && !clipboard_.busy(); });
    if (open) {
        routine.step(102, [&] {
            clipboard_.read(clipboardPictureFormat, kClipboardWait, kMaxHeldPictureBytes,
                            [this](const ClipboardContent& content) { pasteArrived(content); });
        });
    }
}

// The rest of a paste, once the clipboard has answered or the wait has ended; the window went on
// meanwhile, so a game started since keeps its picture.
void Form1::pasteArrived(const ClipboardContent& content) {
    ReportingRoutine routine(services_.dialogs, "Form_Paste");
    bool open = false;
    routine.step(104, [&] { open = picturesWelcome(); });
    std::optional<PictureSource> source;
    if (open) {
        routine.step(110, [&] { source = clipboardPicture(content); });
    }
    if (source) {
        showPicture("Form_Paste", *source);
    }
}

// The loading steps every way in shares: the picture read, drawn on a white square and shown.
// The read goes on in the decoding program while the window answers as behind a box, under the
// wait cursor; its answer comes back to pictureArrived().
void Form1::showPicture(const char* routine, PictureSource source) {
    remake_.reset();  // the picture it would make again is about to be replaced
    load_ = std::make_unique<PictureLoad>(std::move(source), pictureSide(devicePixelRatioF()),
                                          PictureLoad::Purpose::First);
    connect(load_.get(), &PictureLoad::finished, this,
            [this, routine] { pictureArrived(routine); });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setState(WindowState::Loading);
    load_->start();
}

// A picture that could not be read leaves the current one as it was; the preview never turns
// into a blank picture that a game could be started on.
void Form1::pictureArrived(const char* name) {
    QApplication::restoreOverrideCursor();
    // Ended once it has finished telling: it is the sender of this call.
    PictureLoad* load = load_.release();
    load->deleteLater();
    setState(puzzlePicture_.isNull() ? WindowState::NoPicture : WindowState::Ready);
    ReportingRoutine routine(services_.dialogs, name);
    if (!routine.step(110, [&] { creator_ = load->picture(); })) {
        return;
    }
    const int side = creator_.width();
    QImage newpic;
    routine.step(112, [&] { newpic = QImage(side, side, QImage::Format_RGB32); });
    routine.step(114, [&] { newpic.fill(Qt::white); });
    routine.step(116, [&] {
        QPainter painter(&newpic);
        painter.drawImage(QRect(0, 0, side, side), creator_);
    });
    routine.step(118, [&] {
        setPictureRatio(newpic);
        puzzlePicture_ = newpic;
        pictureSource_ = std::move(load->source());
        imgImage->setPixmap(QPixmap::fromImage(puzzlePicture_));
    });
    setState(puzzlePicture_.isNull() ? WindowState::NoPicture : WindowState::Ready);
    // The screen may have changed while the picture decoded.
    applyPixelRatio(devicePixelRatioF());
    services_.dialogs.tellReaders(tr("Picture %1 loaded").arg(pictureSource_.name()).toStdString());
}

bool Form1::picturesWelcome() const {
    // As "Load Picture": only while no game runs, so a game's picture never changes under it.
    return PushButton1->isEnabled() && !game_.hasBoard() && !boxOpen();
}

// The picture and its cells are made for the screen's device pixel ratio; on another ratio they
// are made again from the picture's source, in the decoding program like any load, while the
// window goes on with the picture in hand.
void Form1::applyPixelRatio(qreal ratio) {
    if (state_ == WindowState::Loading) {
        return;  // the picture that arrives is made for the ratio of that moment
    }
    if (puzzlePicture_.isNull() || puzzlePicture_.width() == pictureSide(ratio)) {
        remake_.reset();
        return;
    }
    if (remake_ && remake_->side() == pictureSide(ratio)) {
        return;  // already under way; one for another ratio is replaced
    }
    remake_ = std::make_unique<PictureLoad>(pictureSource_, pictureSide(ratio),
                                            PictureLoad::Purpose::Remake, puzzlePicture_);
    connect(remake_.get(), &PictureLoad::finished, this, &Form1::remadePictureArrived);
    remake_->start();
}

void Form1::remadePictureArrived() {
    PictureLoad* remake = remake_.release();
    remake->deleteLater();
    const bool wholePictureShown = !picBack->pixmap().isNull();
    puzzlePicture_ = remake->picture();
    imgImage->setPixmap(QPixmap::fromImage(puzzlePicture_));
    if (wholePictureShown) {
        picBack->setPixmap(QPixmap::fromImage(puzzlePicture_));
    }
    if (game_.hasBoard() && !clpImage_.Picture().isNull()) {
        clpImage_.setPicture(QPixmap::fromImage(puzzlePicture_));
        drawBoard();
    }
}

qint64 Form1::decoderProcessId() const {
    if (load_) {
        return load_->decoderProcessId();
    }
    return remake_ ? remake_->decoderProcessId() : 0;
}
