#include "game/pictures/PictureLoad.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>

#include "game/pictures/PictureLoader.h"
#include "game/pictures/PuzzlePicture.h"

namespace {

// Pasted bytes above this are let go once decoded: held for the whole run, they would keep the
// game's own memory high while the next picture decodes.
constexpr qsizetype kKeptPictureBytes = 16 * 1024 * 1024;

// A picture another part of this program put on the clipboard arrives decoded already; it is held
// to the same limits as a file.
QImage scaledPicture(const QImage& picture, const QString& name, int side) {
    if (picture.isNull()) {
        refusePicture(name, QCoreApplication::translate("PictureLoader",
                                                        "the file is damaged or is not a picture"));
    }
    if (static_cast<long long>(picture.width()) * picture.height() > kMaxPicturePixels) {
        refusePicture(name, QCoreApplication::translate("PictureLoader",
                                                        "the picture is too large (%1 x %2 pixels)")
                                .arg(picture.width())
                                .arg(picture.height()));
    }
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                   : QImage::Format_RGB32);
}

}  // namespace

PictureLoad::PictureLoad(PictureSource source, int side, Purpose purpose, QImage current)
    : source_(std::move(source)), side_(side), purpose_(purpose), current_(std::move(current)) {}

PictureLoad::~PictureLoad() = default;

void PictureLoad::start() {
    using Kind = PictureSource::Kind;
    const bool remake = purpose_ == Purpose::Remake;
    try {
        switch (source_.kind_) {
            case Kind::File:
                // Size and time of change prove nothing: a file copied over keeps the size and can
                // be given the time. The decoder compares the content before it reads the file and
                // reports the digest of what it held after.
                if (!remake || !source_.fileContent_.isEmpty()) {
                    job_ = startFileDecoding(source_.path_, side_,
                                             remake ? source_.fileContent_ : QByteArray());
                }
                break;
            case Kind::Data:
                // Pasted bytes too large to keep were not kept: the picture in hand will do.
                if (!source_.bytes_.isEmpty()) {
                    job_ = startDataDecoding(source_.bytes_, source_.path_, side_);
                }
                break;
            case Kind::Image:
                picture_ = scaledPicture(source_.image_, source_.path_, side_);
                break;
            case Kind::Elsewhere:
                refusePicture(source_.path_,
                              QCoreApplication::translate(
                                  "PictureSource", "only pictures on this computer can be loaded"));
        }
    } catch (...) {
        failure_ = std::current_exception();
    }
    if (job_) {
        connect(job_.get(), &DecoderJob::finished, this, &PictureLoad::decoded);
    } else {
        finishSoon();
    }
}

void PictureLoad::decoded() {
    try {
        picture_ = job_->picture();
        if (source_.kind_ == PictureSource::Kind::File) {
            const QByteArray digest = job_->reply().digest;
            // A remake holds only while the file still held the first load's content.
            if (purpose_ == Purpose::Remake && digest != source_.fileContent_) {
                picture_ = QImage();
            }
            source_.fileContent_ = digest;
        }
    } catch (...) {
        failure_ = std::current_exception();
    }
    if (source_.kind_ == PictureSource::Kind::Data && source_.bytes_.size() > kKeptPictureBytes) {
        source_.bytes_ = QByteArray();  // the remake at another ratio uses the picture in hand
    }
    job_.reset();
    finishSoon();
}

void PictureLoad::finishSoon() {
    if (purpose_ == Purpose::Remake) {
        // Whatever could not be read now, the picture in hand is made at the new size.
        picture_ = remade(failure_ ? QImage() : picture_);
        failure_ = nullptr;
    }
    finished_ = true;
    QTimer::singleShot(0, this, [this] { emit finished(); });
}

QImage PictureLoad::remade(QImage read) const {
    if (read.isNull()) {
        read = current_.scaled(side_, side_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage picture = onWhite(read, side_);
    setPictureRatio(picture);
    return picture;
}

QImage PictureLoad::picture() const {
    if (failure_) {
        std::rethrow_exception(failure_);
    }
    return picture_;
}

qint64 PictureLoad::decoderProcessId() const {
    return job_ ? job_->processId() : 0;
}
