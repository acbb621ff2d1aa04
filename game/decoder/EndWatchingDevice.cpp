#include "game/decoder/EndWatchingDevice.h"

EndWatchingDevice::EndWatchingDevice(QIODevice& source) : source_(source) {
    // Unbuffered, so every read reaches readData with the size the decoder asked for.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void EndWatchingDevice::startWatching() {
    watching_ = true;
    foundNothingLeft_ = false;
    foundLessThanAsked_ = false;
}

bool EndWatchingDevice::isSequential() const {
    return source_.isSequential();
}

qint64 EndWatchingDevice::size() const {
    return source_.size();
}

bool EndWatchingDevice::seek(qint64 pos) {
    return QIODevice::seek(pos) && source_.seek(pos);
}

qint64 EndWatchingDevice::readData(char* data, qint64 maxSize) {
    const qint64 got = source_.read(data, maxSize);
    if (watching_ && maxSize > 0 && got >= 0) {
        foundNothingLeft_ = foundNothingLeft_ || got == 0;
        foundLessThanAsked_ = foundLessThanAsked_ || got < maxSize;
    }
    return got;
}

qint64 EndWatchingDevice::writeData(const char*, qint64) {
    return -1;
}
