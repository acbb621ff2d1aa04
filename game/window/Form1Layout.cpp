#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "game/boardview/BoardArea.h"
#include "game/window/Form1.h"
#include "game/window/WindowLook.h"
#include "platform/HoverPushButton.h"

void Form1::buildLayout() {
    setWindowTitle("Form1");
    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(arialFont(9));
    paintWhite(this);
    setMouseTracking(true);

    picBack = new BoardArea(this);
    picBack->setAccessibleName(tr("Puzzle board"));
    picBack->setAccessibleDescription(
        tr("Arrow keys move between the tiles; Space or Enter plays the tile"));
    // The board, its tiles and cursor are a picture and its rows: never mirrored, whatever the
    // window's direction.
    picBack->setLayoutDirection(Qt::LeftToRight);
    place(picBack, twipsRect(120, 120, 6045, 6045));
    picBack->setFrameStyle(QFrame::Box | QFrame::Plain);
    picBack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picBack->setProperty("imageControl", true);
    picBack->setFocusPolicy(Qt::TabFocus);
    paintWhite(picBack);

    buildFrames();
    buildButtons();
    setTabOrderChain();
}

void Form1::buildFrames() {
    Frame1 = makeFrame(this, tr("Picture Preview"), twipsRect(6360, 50, 2280, 2355));
    imgImage = new QLabel(Frame1);
    imgImage->setLayoutDirection(Qt::LeftToRight);
    place(imgImage, twipsRect(135, 270, 1950, 1950));
    imgImage->setScaledContents(true);
    imgImage->setProperty("imageControl", true);

    Frame2 = makeFrame(this, tr("Game Type"), twipsRect(6360, 2520, 2280, 735));
    Option1 = new QRadioButton(tr("Slide"), Frame2);
    place(Option1, twipsRect(135, 270, 870, 375));
    Option1->setChecked(true);
    Option2 = new QRadioButton(tr("Swap"), Frame2);
    place(Option2, twipsRect(1170, 270, 960, 375));
    paintWhite(Option1);
    paintWhite(Option2);

    Frame3 = makeFrame(this, tr("Moves"), twipsRect(6360, 3360, 2280, 825));
    txtMoves = makeValueBox(Frame3, "0", arialFont(14.25));
    Frame4 = makeFrame(this, tr("Timer"), twipsRect(6360, 4320, 2280, 825));
    txtTimer = makeValueBox(Frame4, "00:00:00", sansSerifFont(13.5));
    Frame5 = makeFrame(this, tr("Score"), twipsRect(6360, 5280, 2280, 825));
    txtScore = makeValueBox(Frame5, "0", sansSerifFont(13.5));
    // Screen readers read each box with its frame's caption.
    for (QGroupBox* box : {Frame3, Frame4, Frame5}) {
        box->findChild<QLineEdit*>()->setAccessibleName(box->title());
    }
}

void Form1::buildButtons() {
    const struct {
        HoverPushButton** button;
        const char* caption;
        QRect geometry;
    } buttons[] = {
        {&PushButton1, QT_TR_NOOP("Load Picture"), twipsRect(120, 6270, 3000, 405)},
        {&PushButton2, QT_TR_NOOP("Start Game"), twipsRect(3240, 6270, 3000, 405)},
        {&PushButton3, QT_TR_NOOP("High Scores"), twipsRect(6360, 6270, 2280, 405)},
    };
    for (const auto& b : buttons) {
        auto* button = new HoverPushButton(tr(b.caption), this);
        place(button, b.geometry);
        button->setFont(arialFont(11.25));
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, Qt::white);
        button->setPalette(palette);
        *b.button = button;
    }
}

void Form1::setTabOrderChain() {
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
