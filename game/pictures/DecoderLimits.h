#pragma once

#include <QProcess>
#include <QString>
#include <memory>

#include "game/pictures/PictureLoader.h"

// Puts a decoding program under `limits`. Made before the program starts; on Linux the limits are
// set between fork and exec, on Windows by confine() once the program runs, before it is handed
// its request. Ending this ends the program on Windows too (the job object's kill-on-close).
class DecoderConfinement {
public:
    DecoderConfinement(QProcess& process, const DecodeLimits& limits);
    ~DecoderConfinement();
    DecoderConfinement(const DecoderConfinement&) = delete;
    DecoderConfinement& operator=(const DecoderConfinement&) = delete;

    // After the start: false when the program could not be put under its limits (Windows);
    // failure() then names the step that failed and the system's reason.
    bool confine();
    QString failure() const { return failure_; }
    // After the end: whether the system ended the program at its processor-time limit (Windows;
    // on Linux the program answers that limit itself).
    bool ranOutOfProcessorTime() const;

private:
    struct Job;
    QProcess& process_;
    DecodeLimits limits_;
    std::unique_ptr<Job> job_;
    QString failure_;
};
