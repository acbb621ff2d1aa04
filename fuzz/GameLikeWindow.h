#pragma once

// A window built like the game's main window for the skin fuzz target and the corpus replay: the
// same kinds of control at the same places, in a window of the game's fixed size. A skin then meets
// the limits it meets in the game: however large a size a style sheet asks for, a fixed-size window
// and its children are painted at their own size.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <memory>

namespace gamelike {

// The main window's client area, in pixels.
inline constexpr int kWindowWidth = 584;
inline constexpr int kWindowHeight = 451;

// The window was laid out in twips; at 96 dots per inch 15 twips make one pixel.
inline QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

inline std::unique_ptr<QWidget> buildWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(kWindowWidth, kWindowHeight);

    auto* board = new QLabel(window.get());
    board->setGeometry(twips(120, 120, 6045, 6045));
    board->setFrameStyle(QFrame::Box | QFrame::Plain);

    auto* preview = new QGroupBox(QStringLiteral("Picture Preview"), window.get());
    preview->setGeometry(twips(6360, 50, 2280, 2355));
    auto* picture = new QLabel(preview);
    picture->setGeometry(twips(135, 270, 1950, 1950));
    picture->setScaledContents(true);

    auto* type = new QGroupBox(QStringLiteral("Game Type"), window.get());
    type->setGeometry(twips(6360, 2520, 2280, 735));
    auto* slide = new QRadioButton(QStringLiteral("Slide"), type);
    slide->setGeometry(twips(135, 270, 870, 375));
    slide->setChecked(true);
    auto* swap = new QRadioButton(QStringLiteral("Swap"), type);
    swap->setGeometry(twips(1170, 270, 960, 375));

    const struct {
        const char* caption;
        const char* value;
        int top;
    } boxes[] = {{"Moves", "0", 3360}, {"Timer", "00:00:00", 4320}, {"Score", "0", 5280}};
    for (const auto& box : boxes) {
        auto* frame = new QGroupBox(QString::fromLatin1(box.caption), window.get());
        frame->setGeometry(twips(6360, box.top, 2280, 825));
        auto* value = new QLineEdit(QString::fromLatin1(box.value), frame);
        value->setGeometry(twips(135, 270, 1995, 435));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignCenter);
    }

    const struct {
        const char* caption;
        QRect geometry;
    } buttons[] = {{"Load Picture", twips(120, 6270, 3000, 405)},
                   {"Start Game", twips(3240, 6270, 3000, 405)},
                   {"High Scores", twips(6360, 6270, 2280, 405)}};
    for (const auto& button : buttons) {
        (new QPushButton(QString::fromLatin1(button.caption), window.get()))
            ->setGeometry(button.geometry);
    }
    return window;
}

}  // namespace gamelike
