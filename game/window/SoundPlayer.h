#pragma once

#include <QObject>
#include <QString>

#include "board/PuzzleGame.h"

class QProcess;

// The game's sounds, played by tavlora-sound beside the game: the window only writes one line into
// a pipe. The program is started with the first game, never with the window. When it cannot start,
// ends, or stops reading, the game is silent, with no report and no wait.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent);
    ~SoundPlayer() override;

    // Starts the program unless it runs already or could not start before.
    void prepare();
    // Plays the sound `name` ("slide-2-3", "formed"), if the program is there to play it.
    void play(const QString& name);
    // The sound of a press on the board.
    void playMove(const MoveOutcome& move);
    bool running() const;

    // Where the program and its sounds are: beside the game unless a caller says otherwise.
    static void setProgram(const QString& program, const QString& soundFolder);

private:
    QProcess* process_ = nullptr;
};
