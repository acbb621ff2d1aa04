#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <string>

// The loaders take a path, as the game hands them one, so each input goes through a real file.
// It lives in shared memory, which keeps a run from writing to disk thousands of times a second.
class FuzzInputFile {
public:
    // `name` tells parallel targets apart; the process id tells parallel jobs apart.
    explicit FuzzInputFile(const QString& name);
    ~FuzzInputFile();
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;

    // Replaces the file's content; aborts if it cannot, since every later input would then test
    // nothing.
    const QString& write(const std::uint8_t* data, std::size_t size);

private:
    QString path_;
};

// Qt's decoders and style sheet parser are built without coverage instrumentation, so libFuzzer
// sees none of their branches. What Qt tells us instead (the format it found, why it refused a
// file, the warnings it logs) is handed to libFuzzer as extra coverage: an input that makes Qt say
// something new is kept and mutated further. Digits are ignored, so a reason that quotes a size
// counts once.
void noteOutcome(QStringView kind, QStringView detail);

// A letter per power of two, for sizes in outcomes, since outcomes ignore digits.
QChar sizeClass(int side);

// The reason in a loader's Failure, after the path it names, as an outcome of `kind`.
void noteRefusal(QStringView kind, const std::string& description, const QString& path);

// Starts the Qt application every target needs, on the offscreen platform, and silences Qt's
// warnings about bad input, which would otherwise cost more time than the loading itself; they go
// to noteOutcome instead.
void startFuzzApplication(bool withWidgets);
