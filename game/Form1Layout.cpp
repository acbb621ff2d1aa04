#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

#include "game/Form1.h"
#include "game/WindowIcon.h"
#include "platform/HoverPushButton.h"

// The window was laid out in twips; at 96 dots per inch 15 twips make one pixel.
namespace {

constexpr int px(int twips) {
    return twips / 15;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

QFont arial(double points, bool bold = true) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sansSerif(double points) {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void paintWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(widget->backgroundRole(), Qt::white);  // option buttons fill with Button
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* frame(QWidget* parent, const char* caption, QRect geometry) {
    auto* box = new QGroupBox(caption, parent);
    box->setGeometry(geometry);
    paintWhite(box);
    box->setMouseTracking(true);
    return box;
}

QLineEdit* valueBox(QGroupBox* parent, const char* text, const QFont& font) {
    auto* box = new QLineEdit(text, parent);
    box->setGeometry(twipsRect(135, 270, 1995, 435));
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    paintWhite(box);
    return box;
}

}  // namespace

void Form1::buildLayout() {
    setWindowTitle("Form1");
    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(arial(9));
    paintWhite(this);
    setMouseTracking(true);

    picBack = new QLabel(this);
    picBack->setGeometry(twipsRect(120, 120, 6045, 6045));
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
    Frame1 = frame(this, "Picture Preview", twipsRect(6360, 50, 2280, 2355));
    imgImage = new QLabel(Frame1);
    imgImage->setGeometry(twipsRect(135, 270, 1950, 1950));
    imgImage->setScaledContents(true);
    imgImage->setProperty("imageControl", true);

    Frame2 = frame(this, "Game Type", twipsRect(6360, 2520, 2280, 735));
    Option1 = new QRadioButton("Slide", Frame2);
    Option1->setGeometry(twipsRect(135, 270, 870, 375));
    Option1->setChecked(true);
    Option2 = new QRadioButton("Swap", Frame2);
    Option2->setGeometry(twipsRect(1170, 270, 960, 375));
    paintWhite(Option1);
    paintWhite(Option2);

    Frame3 = frame(this, "Moves", twipsRect(6360, 3360, 2280, 825));
    txtMoves = valueBox(Frame3, "0", arial(14.25));
    Frame4 = frame(this, "Timer", twipsRect(6360, 4320, 2280, 825));
    txtTimer = valueBox(Frame4, "00:00:00", sansSerif(13.5));
    Frame5 = frame(this, "Score", twipsRect(6360, 5280, 2280, 825));
    txtScore = valueBox(Frame5, "0", sansSerif(13.5));
}

void Form1::buildButtons() {
    const struct {
        HoverPushButton** button;
        const char* caption;
        QRect geometry;
    } buttons[] = {
        {&PushButton1, "Load Picture", twipsRect(120, 6270, 3000, 405)},
        {&PushButton2, "Start Game", twipsRect(3240, 6270, 3000, 405)},
        {&PushButton3, "High Scores", twipsRect(6360, 6270, 2280, 405)},
    };
    for (const auto& b : buttons) {
        auto* button = new HoverPushButton(b.caption, this);
        button->setGeometry(b.geometry);
        button->setFont(arial(11.25));
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, Qt::white);
        button->setPalette(palette);
        *b.button = button;
    }
}

void Form1::setTabOrderChain() {
    QWidget* chain[] = {picBack,  Frame1, Frame5,  txtScore, Frame4,      txtTimer,    Frame3,
                        txtMoves, Frame2, Option1, Option2,  PushButton1, PushButton2, PushButton3};
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}
