#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

// What one reading of the clipboard brought.
struct ClipboardContent {
    enum class Outcome {
        Empty,         // nobody holds the clipboard, or it offers nothing
        Delivered,     // `format` arrived as `bytes` (or as `image`, from this program itself)
        NoneChosen,    // it offers `formats`, none of them wanted
        NoAnswer,      // the program holding it did not say in time what it offers
        NotDelivered,  // that program refused the chosen format or did not send it in time
        TooLarge,      // it sent more than the most bytes a reading takes
    };
    Outcome outcome = Outcome::Empty;
    QStringList formats;
    QString format;
    QByteArray bytes;
    QImage image;
};

// Picks the one format to ask for among those offered; an empty string for none.
using ClipboardChoice = std::function<QString(const QStringList& formats)>;

// Reads the clipboard without ever blocking the window. Under X the program holding the clipboard
// sends it through the X server, and Qt waits for that program's answers with the window's thread
// stopped, 5 s for each; here a thread of our own, on its own X connection, asks once for the
// formats and once for the chosen one, and gives up at one deadline for both; under Wayland the
// same thread does the same on a Wayland connection of its own (WaylandClipboard.h). On Windows the
// system asks an owner that renders its data late while the reading thread waits in a call that
// cannot be given up (WindowsClipboard.h): the window then answers itself at the deadline and the
// thread, left to end when the owner answers or goes, is not waited for. Elsewhere (the offscreen
// platform) the platform's clipboard answers at once and is read on the window's thread.
class ClipboardReader : public QObject {
public:
    using Done = std::function<void(const ClipboardContent&)>;

    explicit ClipboardReader(QObject* parent = nullptr);
    ~ClipboardReader() override;
    ClipboardReader(const ClipboardReader&) = delete;
    ClipboardReader& operator=(const ClipboardReader&) = delete;

    // Whether a reading is under way; a second one waits for its end.
    bool busy() const { return busy_; }
    // Starts one reading. `done` runs once on the window's thread, within `wait` of the start;
    // more than `maxBytes` of data ends the reading as TooLarge.
    void read(ClipboardChoice choose, std::chrono::milliseconds wait, qint64 maxBytes, Done done);

private:
    // What a reading thread that may outlive this reader shares with it: the reader while it
    // lives, under the lock.
    struct Lifeline;

    void finish(const ClipboardContent& content);
    void readOnItsOwnThread(ClipboardChoice choose, std::chrono::milliseconds wait,
                            qint64 maxBytes);
    // The answer to reading number `reading`, from its thread or from its deadline: the first
    // to come ends it.
    void arrived(unsigned reading, const ClipboardContent& content);

    bool busy_ = false;
    Done done_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::shared_ptr<Lifeline> lifeline_;
    unsigned reading_ = 0;
};

// The clipboard as this program's own platform holds it, read at once.
ClipboardContent readPlatformClipboard(const ClipboardChoice& choose, qint64 maxBytes);
