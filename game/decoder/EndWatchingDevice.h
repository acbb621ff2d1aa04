#pragma once

#include <QIODevice>

// Passes reads through to another device, unbuffered, and notes how a decoder met the end of the
// data once watching has started. A decoder that needs more than the file holds has met a picture
// cut short: decoders that read ahead in chunks then find nothing left to read, and decoders that
// read exactly what each row needs (bitmaps) find less than they asked for.
class EndWatchingDevice : public QIODevice {
public:
    // `source` must be open for reading and outlive this device.
    explicit EndWatchingDevice(QIODevice& source);

    void startWatching();
    bool foundNothingLeft() const { return foundNothingLeft_; }
    bool foundLessThanAsked() const { return foundLessThanAsked_; }

    bool isSequential() const override;
    qint64 size() const override;
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QIODevice& source_;
    bool watching_ = false;
    bool foundNothingLeft_ = false;
    bool foundLessThanAsked_ = false;
};
