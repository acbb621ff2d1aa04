#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

// One run of score_file_user, the second program that uses the high-score file during a test (see
// tests/scores/tools/score_file_user.cpp). It is killed when the test lets go of it.
class ScoreFileUser {
public:
    explicit ScoreFileUser(const QStringList& arguments) : ScoreFileUser(arguments, nullptr) {}
    // `setup` prepares the process before it starts (its environment, the user it runs as, the
    // copy of the program it runs).
    ScoreFileUser(const QStringList& arguments, const std::function<void(QProcess&)>& setup) {
        process_.setProgram(QStringLiteral(SCORE_FILE_USER));
        process_.setArguments(arguments);
        if (setup) {
            setup(process_);
        }
        process_.start();
        process_.waitForStarted();
    }
    ~ScoreFileUser() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    ScoreFileUser(const ScoreFileUser&) = delete;
    ScoreFileUser& operator=(const ScoreFileUser&) = delete;

    // The next line it prints, without its line end; empty when none came in time.
    QByteArray nextLine(int timeoutMs = 30000) {
        QElapsedTimer waited;
        waited.start();
        while (!process_.canReadLine()) {
            const qint64 left = timeoutMs - waited.elapsed();
            if (left <= 0 || !process_.waitForReadyRead(static_cast<int>(left))) {
                return process_.canReadLine() ? process_.readLine().trimmed() : QByteArray();
            }
        }
        return process_.readLine().trimmed();
    }

    // Written at once: QProcess would otherwise hold the line back until it next waits on this
    // process.
    void send(const QByteArray& line) {
        process_.write(line + '\n');
        process_.waitForBytesWritten();
    }
    void closeInput() { process_.closeWriteChannel(); }
    qint64 pid() const { return process_.processId(); }

    // SIGKILL (TerminateProcess on Windows), then every line it had printed before it died.
    QList<QByteArray> killAndCollect() {
        process_.kill();
        process_.waitForFinished();
        QList<QByteArray> lines;
        for (const QByteArray& line : process_.readAllStandardOutput().split('\n')) {
            if (!line.trimmed().isEmpty()) {
                lines.append(line.trimmed());  // Windows ends its lines with "\r\n"
            }
        }
        return lines;
    }

    // Waits for a normal end; the exit code, or -1 when it crashed or did not end in time. The end
    // may have been seen already while waiting for its last line (waitForFinished() would then
    // return false), as happens on Windows.
    int finish(int timeoutMs = 30000) {
        if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(timeoutMs)) {
            return -1;
        }
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    std::string errors() { return process_.readAllStandardError().toStdString(); }
    QByteArray output() { return process_.readAllStandardOutput(); }

private:
    QProcess process_;
};
