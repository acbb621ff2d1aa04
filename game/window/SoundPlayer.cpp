#include "game/window/SoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include "platform/ChildProcess.h"
#include "platform/HelperProgram.h"

namespace {

// A program that stopped reading gets no more: its pipe never holds more than a few lines.
constexpr qint64 kMostUnread = 256;

struct Place {
    QString program;
    QString folder;
};

Place& place() {
    static Place p;
    return p;
}

QString soundProgram() {
    if (!place().program.isEmpty()) {
        return place().program;
    }
    return helperProgramPath(QStringLiteral("tavlora-sound"));
}

QString soundFolder() {
    return place().folder.isEmpty() ? QCoreApplication::applicationDirPath() + "/sounds"
                                    : place().folder;
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
    endHelperAtOnce(process_);  // even a program that hangs in the sound library
}

void SoundPlayer::setProgram(const QString& program, const QString& folder) {
    place() = {program, folder};
}

void SoundPlayer::prepare() {
    if (process_ != nullptr) {
        return;
    }
    process_ = new QProcess(this);
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    // A program stuck in the sound library would otherwise outlive a game that was killed.
    endWithThisProgram(*process_);
    process_->start(soundProgram(), {QDir::toNativeSeparators(soundFolder())});
}

bool SoundPlayer::running() const {
    return process_ != nullptr && process_->state() != QProcess::NotRunning;
}

void SoundPlayer::play(const QString& name) {
    if (!running() || process_->bytesToWrite() > kMostUnread) {
        return;
    }
    process_->write((name + '\n').toLatin1());
}

void SoundPlayer::playMove(const MoveOutcome& move) {
    if (move.piece < 0) {
        return;
    }
    // A move sounds where the pressed piece went, a press that moved nothing where it was.
    const QString kind = move.kind == MoveOutcome::Kind::Slid        ? QStringLiteral("slide")
                         : move.kind == MoveOutcome::Kind::Exchanged ? QStringLiteral("swap")
                                                                     : QStringLiteral("still");
    const int cell = move.moved() ? move.to : move.from;
    play(QStringLiteral("%1-%2-%3")
             .arg(kind)
             .arg(cell / PuzzleGame::kSide + 1)
             .arg(cell % PuzzleGame::kSide + 1));
}
