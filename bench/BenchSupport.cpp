#include "bench/BenchSupport.h"

#include <QCoreApplication>
#include <QImageReader>

#include "bench/SyntheticPhoto.h"
#include "game/pictures/PictureLoader.h"
#include "platform/Failure.h"
#include "scores/ScoreDatabase.h"
#include "shell/ProgramFolder.h"

BenchWindow::BenchWindow(std::unique_ptr<RandomSource> random) : random_(std::move(random)) {
    setProgramFolderOverride(folder_.path());
    createScoreFile(folderPath(kScoreFileName));
    const QString picture = folderPath("/photo.png");
    writeSyntheticPhoto(picture, 400, 400, "png");

    form_ = std::make_unique<Form1>(Form1Services{dialogs_, *random_, urlOpener_, skin_});
    form_->Form_Load();
    form_->show();
    settleEvents();
    dialogs_.fileReplies.push_back(picture.toStdString());
    form_->PushButton1_Click();
    settleWindow(*form_);
}

BenchWindow::~BenchWindow() {
    form_.reset();
    settleEvents();
    setProgramFolderOverride("");
}

std::string BenchWindow::problems() const {
    std::string all;
    for (const FakeDialogs::Message& message : dialogs_.messages) {
        all += (all.empty() ? "" : " / ") + message.title + ": " + message.text;
    }
    if (form_->puzzlePicture().isNull()) {
        all += (all.empty() ? "" : " / ") + std::string("no picture loaded");
    }
    return all;
}

QImage fullDecodeThenScale(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(2048);
    const QImage full = reader.read();
    QImageReader::setAllocationLimit(previousLimit);
    if (full.isNull()) {
        throw Failure("Cannot read " + path.toStdString() + ": " +
                      reader.errorString().toStdString());
    }
    return full.scaled(kPuzzlePictureSide, kPuzzlePictureSide, Qt::IgnoreAspectRatio,
                       Qt::SmoothTransformation);
}

void settleEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void settleWindow(Form1& form) {
    settleEvents();
    while (form.state() == WindowState::Loading || form.state() == WindowState::Finishing ||
           form.remaking()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    settleEvents();
}
