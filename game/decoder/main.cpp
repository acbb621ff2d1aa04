// tavlora-decode: decodes one picture for the game, in a process of its own under the limits the
// game put on it. The request arrives on standard input, the reply leaves on standard output.

#include <QCoreApplication>
#include <QFile>
#include <QThreadPool>
#include <cstdio>

#include "game/decoder/PictureDecoding.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <pthread.h>
#endif
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>

#include <csignal>

namespace {

// Written when the processor-time limit is reached: the game reports the picture as too large.
QByteArray outOfTime;

void answerOutOfTime(int) {
    // Only calls safe in a signal handler: the reply was encoded before.
    [[maybe_unused]] const ssize_t written =
        write(STDOUT_FILENO, outOfTime.constData(), static_cast<size_t>(outOfTime.size()));
    _exit(0);
}

}  // namespace
#endif

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // Every thread's own allocation arena would keep freed memory of its own, counted against the
    // data limit; one arena serves the few threads Qt's scaling starts.
    mallopt(M_ARENA_MAX, 1);
    // The same for the stacks of threads Qt starts in pools of its own (Qt 6.8 converts and scales
    // large pictures on one that QThreadPool::globalInstance() does not reach): a thread that
    // cannot be made under the limit would leave its share of the work undone.
    pthread_attr_t threads;
    if (pthread_getattr_default_np(&threads) == 0) {
        pthread_attr_setstacksize(&threads, 1024 * 1024);
        pthread_setattr_default_np(&threads);
        pthread_attr_destroy(&threads);
    }
#endif
    QCoreApplication application(argc, argv);
    // The threads Qt's smooth scaling starts need little stack; the default 8 MiB each would be
    // taken from the memory the picture may use.
    QThreadPool::globalInstance()->setStackSize(1024 * 1024);
#ifndef _WIN32
    outOfTime = encodeRefusal(DecodeRefusal::TooLarge);
    std::signal(SIGXCPU, answerOutOfTime);
#endif
#ifdef _WIN32
    // The request and the reply are bytes: no line ends turned, no end-of-file character.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // Unbuffered, so every part of the reply has left by the time the next one is worked on.
    QFile input;
    QFile output;
    if (!input.open(stdin, QIODevice::ReadOnly) ||
        !output.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return 1;
    }
    const int status = runDecoder(input, output);
    output.flush();
    return status;
}
