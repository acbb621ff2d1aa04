#include "fuzz/FuzzInput.h"

#include <unistd.h>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>

namespace {

QString inputFolder() {
    const QString shared = QStringLiteral("/dev/shm");
    return QDir(shared).exists() ? shared : QDir::tempPath();
}

constexpr std::size_t kOutcomeCounters = 8192;

// libFuzzer reads every counter in this section after each input, as it does its own coverage.
__attribute__((section("__libfuzzer_extra_counters"), used))
std::uint8_t gOutcomeCounters[kOutcomeCounters];

std::uint32_t mix(std::uint32_t hash, char16_t character) {
    return (hash ^ character) * 16777619U;
}

// Messages quote what they choke on ("Could not load <name>", "Unknown
// property <name>"), so only their first two words tell one kind of message from another.
void noteMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    qsizetype end = 0;
    int spaces = 0;
    while (end < message.size() && (message[end].isLetter() || message[end] == u' ')) {
        if (message[end] == u' ' && ++spaces == 2) {
            break;
        }
        ++end;
    }
    noteOutcome(u"message", QStringView(message).left(end));
}

}  // namespace

FuzzInputFile::FuzzInputFile(const QString& name)
    : path_(QStringLiteral("%1/tavlora-fuzz-%2-%3")
                .arg(inputFolder(), name)
                .arg(static_cast<qint64>(getpid()))) {}

FuzzInputFile::~FuzzInputFile() {
    QFile::remove(path_);
}

const QString& FuzzInputFile::write(const std::uint8_t* data, std::size_t size) {
    QFile file(path_);
    const auto length = static_cast<qint64>(size);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), length) != length) {
        std::fprintf(stderr, "cannot write the fuzz input %s\n", qPrintable(path_));
        std::abort();
    }
    return path_;
}

void noteOutcome(QStringView kind, QStringView detail) {
    std::uint32_t hash = 2166136261U;
    for (const QChar character : kind) {
        hash = mix(hash, character.unicode());
    }
    hash = mix(hash, u':');
    for (const QChar character : detail) {
        hash = mix(hash, character.isDigit() ? u'#' : character.unicode());
    }
    gOutcomeCounters[hash % kOutcomeCounters] = 1;
    static const bool show = qEnvironmentVariableIsSet("TAVLORA_FUZZ_SHOW_OUTCOMES");
    if (show) {
        std::fprintf(stderr, "outcome %s: %s\n", qPrintable(kind.toString()),
                     qPrintable(detail.toString()));
    }
}

QChar sizeClass(int side) {
    return QChar(u'a' + std::bit_width(static_cast<unsigned>(std::max(side, 0))));
}

void noteRefusal(QStringView kind, const std::string& description, const QString& path) {
    const QString text = QString::fromStdString(description);
    const qsizetype at = text.indexOf(path);
    noteOutcome(kind, at < 0 ? QStringView(text) : QStringView(text).mid(at + path.size()));
}

void startFuzzApplication(bool withWidgets) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(noteMessage);
    // The application lives as long as the process; libFuzzer never returns to a caller that
    // could destroy it.
    static int argc = 1;
    static char name[] = "tavlora-fuzz";
    static char* argv[] = {name, nullptr};
    if (withWidgets) {
        static QApplication* application = new QApplication(argc, argv);
        Q_UNUSED(application);
    } else {
        static QGuiApplication* application = new QGuiApplication(argc, argv);
        Q_UNUSED(application);
    }
}
