#pragma once

#include <QCursor>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

class HoverPushButton;
class QWidget;

// Takes picture files dropped on a window. While `welcome` says so, a dragged local file that is
// not a folder is accepted, and the drop cursor says so; text, web addresses and everything else
// are refused. The file goes to `dropped` once the drop has returned, since the program the file
// came from waits for the drop to end.
class PictureDropTarget : public QObject {
public:
    PictureDropTarget(QWidget* window, std::function<bool()> welcome,
                      std::function<void(const QString&)> dropped);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> welcome_;
    std::function<void(const QString&)> dropped_;
};

// Calls `changed` with the window's device pixel ratio whenever that ratio may have changed: the
// window moved to another screen, or it repaints at a ratio unlike the one last seen.
class PixelRatioWatch : public QObject {
public:
    PixelRatioWatch(QWidget* window, std::function<void(qreal)> changed);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void(qreal)> changed_;
    qreal seen_;
};

// The window's mouse pointer: the hand over the buttons (the arrow where there is no hand cursor
// file), the default arrow anywhere else on the window and its frames.
class PointerWatch : public QObject {
public:
    PointerWatch(QWidget* window, std::initializer_list<QWidget*> frames,
                 std::initializer_list<HoverPushButton*> buttons,
                 std::function<std::optional<QCursor>()> hand);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};

// Keeps a window of one size at that size and place. Its flags offer no maximize, but a title bar
// may offer one anyway: Qt 6.4's own on Wayland draws the button whatever the flags and asks the
// compositor at once. A maximized window must then be exactly the size the compositor gives (Weston
// ends a program whose window is not), so from the moment a maximize is asked for the size is free.
// A maximized or full-screen state is given back at once (Mutter puts a maximized window of one
// size in the screen's corner; giving the state back puts it where it stood), and the size is
// fixed again once the window is back at its own. A size the window system hands it afterwards
// (Mutter 48 gives one without Qt's title bar on leaving full screen) is answered with its own.
class OneSizeWatch : public QObject {
public:
    OneSizeWatch(QWidget* window, QSize size);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void freeForMaximize(Qt::WindowState state);
    void giveBackGrownState();
    void fixWhenOwn();

    QWidget* window_;
    QSize size_;
    bool heard_ = false;  // the window's own state signal is connected
};
