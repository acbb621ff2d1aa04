#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "game/boardview/BoardArea.h"
#include "game/window/WindowControls.h"
#include "game/window/WindowLook.h"
#include "platform/HoverPushButton.h"

namespace {

// The controls' texts are the window's own, translated with it.
QString translated(const char* text) {
    return QCoreApplication::translate("Form1", text);
}

}  // namespace

void WindowControls::buildControls(QWidget* window) {
    QWidget* const w = window;
    w->setWindowTitle("Form1");
    w->setFixedSize(kClientWidth, kClientHeight);
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint);
    w->setFont(arialFont(9));
    paintWhite(w);
    w->setMouseTracking(true);

    picBack = new BoardArea(w);
    picBack->setAccessibleName(QCoreApplication::translate("Form1", "Puzzle board"));
    // The board, its tiles and cursor are a picture and its rows: never mirrored, whatever the
    // window's direction.
    picBack->setLayoutDirection(Qt::LeftToRight);
    place(picBack, twipsRect(120, 120, 6045, 6045));
    picBack->setFrameStyle(QFrame::Box | QFrame::Plain);
    picBack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picBack->setProperty("imageControl", true);
    picBack->setFocusPolicy(Qt::TabFocus);
    paintWhite(picBack);

    buildFrames(w);
    buildButtons(w);
    setTabOrderChain();
}

void WindowControls::buildFrames(QWidget* window) {
    Frame1 = makeFrame(window, QCoreApplication::translate("Form1", "Picture Preview"),
                       twipsRect(6360, 50, 2280, 2355));
    imgImage = new QLabel(Frame1);
    imgImage->setLayoutDirection(Qt::LeftToRight);
    place(imgImage, twipsRect(135, 270, 1950, 1950));
    imgImage->setScaledContents(true);
    imgImage->setProperty("imageControl", true);

    Frame2 = makeFrame(window, QCoreApplication::translate("Form1", "Game Type"),
                       twipsRect(6360, 2520, 2280, 735));
    Option1 = new QRadioButton(QCoreApplication::translate("Form1", "Slide"), Frame2);
    place(Option1, twipsRect(135, 270, 870, 375));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QCoreApplication::translate("Form1", "Swap"), Frame2);
    place(Option2, twipsRect(1170, 270, 960, 375));
    paintWhite(Option1);
    paintWhite(Option2);

    Frame3 = makeFrame(window, QCoreApplication::translate("Form1", "Moves"),
                       twipsRect(6360, 3360, 2280, 825));
    txtMoves = makeValueBox(Frame3, "0", arialFont(14.25));
    Frame4 = makeFrame(window, QCoreApplication::translate("Form1", "Timer"),
                       twipsRect(6360, 4320, 2280, 825));
    txtTimer = makeValueBox(Frame4, "00:00:00", sansSerifFont(13.5));
    Frame5 = makeFrame(window, QCoreApplication::translate("Form1", "Score"),
                       twipsRect(6360, 5280, 2280, 825));
    txtScore = makeValueBox(Frame5, "0", sansSerifFont(13.5));
    // Screen readers read each box with its frame's caption.
    for (QGroupBox* box : {Frame3, Frame4, Frame5}) {
        box->findChild<QLineEdit*>()->setAccessibleName(box->title());
    }
}

void WindowControls::buildButtons(QWidget* window) {
    const struct {
        HoverPushButton** button;
        const char* caption;
        QRect geometry;
    } buttons[] = {
        {&PushButton1, QT_TRANSLATE_NOOP("Form1", "Load Picture"), twipsRect(120, 6270, 3000, 405)},
        {&PushButton2, QT_TRANSLATE_NOOP("Form1", "Start Game"), twipsRect(3240, 6270, 3000, 405)},
        {&PushButton3, QT_TRANSLATE_NOOP("Form1", "High Scores"), twipsRect(6360, 6270, 2280, 405)},
    };
    for (const auto& b : buttons) {
        auto* button = new HoverPushButton(translated(b.caption), window);
        place(button, b.geometry);
        button->setFont(arialFont(11.25));
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, Qt::white);
        button->setPalette(palette);
        *b.button = button;
    }
}

void WindowControls::setTabOrderChain() {
    // The window's order is picBack, Frame1, Frame5, txtScore, Frame4, txtTimer, Frame3, txtMoves,
    // Frame2, Option1, Option2 and the three buttons; in a mirrored window the same chain goes
    // round the mirrored places. Only the controls that take the focus are chained: Qt moves a
    // frame's children along with the frame, which would send the whole right column behind the
    // buttons.
    QWidget* chain[] = {picBack, txtScore,    txtTimer,    txtMoves,   Option1,
                        Option2, PushButton1, PushButton2, PushButton3};
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}
