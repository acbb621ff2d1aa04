#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <utility>

#include "game/boardview/BoardArea.h"
#include "game/pictures/PictureAddress.h"
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
    routine.step(102, [&] { title = tr(kDialogTitle).toStdString(); });
    routine.step(104, [&] { filter = tr(kPictureFilterName).toStdString() + kPicturePatterns; });
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
        showPicture(routine, pictureNamed(path));
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
        try {
            creator_ = source.load(side, [this](QProcess& decoder, auto deadline) {
                return waitForDecoder(decoder, deadline);
            });
            loaded = true;
        } catch (const PictureLoadStopped&) {
            // the window closed while the picture decoded: nothing to report
        }
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
    const QString name = source.name();
    routine.step(118, [&] {
        setPictureRatio(newpic);
        puzzlePicture_ = newpic;
        pictureSource_ = std::move(source);
        imgImage->setPixmap(QPixmap::fromImage(puzzlePicture_));
    });
    // The screen may have changed while the picture decoded.
    applyPixelRatio(devicePixelRatioF());
    services_.dialogs.tellReaders(tr("Picture %1 loaded").arg(name).toStdString());
}

bool Form1::waitForDecoder(QProcess& decoder, std::chrono::milliseconds deadline) {
    QEventLoop loop;
    bool stopped = false;
    connect(&decoder, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(deadline, &loop, &QEventLoop::quit);
    stopDecoding_ = [&] {
        stopped = true;
        loop.quit();
    };
    if (decoder.state() != QProcess::NotRunning) {
        loop.exec();
    }
    stopDecoding_ = nullptr;
    if (pendingRatio_ && !stopped) {
        // Made again once this load is done, from whatever it leaves.
        QTimer::singleShot(0, this, [this] {
            if (pendingRatio_ && !stopDecoding_) {
                applyPixelRatio(*std::exchange(pendingRatio_, std::nullopt));
            }
        });
    }
    return !stopped;
}

bool Form1::picturesWelcome() const {
    // As "Load Picture": only while no game runs, so a game's picture never changes under it.
    return PushButton1->isEnabled() && !game_.hasBoard() && !boxOpen();
}

// The picture and its cells are made for the screen's device pixel ratio; on another ratio they
// are made again from the picture's source.
void Form1::applyPixelRatio(qreal ratio) {
    if (stopDecoding_) {
        pendingRatio_ = ratio;  // one picture decodes at a time
        return;
    }
    if (puzzlePicture_.isNull() || puzzlePicture_.width() == pictureSide(ratio)) {
        return;
    }
    QImage picture;
    try {
        picture = remadePicture(
            pictureSource_, puzzlePicture_, ratio,
            [this](QProcess& decoder, auto deadline) { return waitForDecoder(decoder, deadline); });
    } catch (const PictureLoadStopped&) {
        return;  // the window closed meanwhile
    }
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
