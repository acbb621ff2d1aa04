#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

// Reports the end of the first paint in the same words as the game does under
// TAVLORA_REPORT_STARTUP=1, so one script can time both.
class FirstPaintReport : public QObject {
public:
    FirstPaintReport(QWidget& window, Clock::time_point mainBegan)
        : window_(window), mainBegan_(mainBegan) {
        window_.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report() const {
        const Clock::time_point now = Clock::now();
        std::fprintf(
            stderr, "tavlora-startup first-paint-monotonic-ns=%lld main-ms=%.2f cpu-ms=%.2f\n",
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch())
                    .count()),
            std::chrono::duration<double, std::milli>(now - mainBegan_).count(),
            1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
        std::fflush(stderr);
    }

    QWidget& window_;
    Clock::time_point mainBegan_;
};

}  // namespace

// The smallest Qt Widgets program with a window of the game's size and one line of text: what
// any Qt Widgets window costs on this machine.
int main(int argc, char** argv) {
    const Clock::time_point mainBegan = Clock::now();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Trivial window");
    window.resize(584, 451);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Hello", &window));
    FirstPaintReport report(window, mainBegan);
    window.show();
    return app.exec();
}
