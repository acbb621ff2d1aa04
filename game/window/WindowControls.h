#pragma once

class BoardArea;
class HoverPushButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The game window's controls, under the names the game's code uses, and their layout: a fixed
// client area of 584 x 451 logical pixels, each control where the window has always had it.
struct WindowControls {
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 451;

    BoardArea* picBack = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* imgImage = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtMoves = nullptr;
    QGroupBox* Frame4 = nullptr;
    QLineEdit* txtTimer = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLineEdit* txtScore = nullptr;
    HoverPushButton* PushButton1 = nullptr;
    HoverPushButton* PushButton2 = nullptr;
    HoverPushButton* PushButton3 = nullptr;

protected:
    // Makes the controls inside `window` and sizes the window around them.
    void buildControls(QWidget* window);

private:
    void buildFrames(QWidget* window);
    void buildButtons(QWidget* window);
    void setTabOrderChain();
};
