#pragma once

#include <QCursor>
#include <QObject>
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
