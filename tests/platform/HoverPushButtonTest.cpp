#include "platform/HoverPushButton.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Stands for the main window, which resets the pointer when the mouse moves over its surface.
class TrackingSurface : public QWidget {
public:
    TrackingSurface() { setMouseTracking(true); }
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        ++moves;
        event->accept();
    }
};

TEST(HoverPushButton, ReportsEveryMoveWithoutButtonAndKeepsItFromTheWindowBehind) {
    TrackingSurface window;
    window.resize(300, 200);
    auto* button = new HoverPushButton("Load Picture", &window);
    button->setGeometry(20, 20, 200, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy moved(button, &HoverPushButton::mouseMoved);

    QTest::mouseMove(button, QPoint(10, 10));
    QTest::mouseMove(button, QPoint(50, 12));
    QTest::mouseMove(button, QPoint(90, 20));
    EXPECT_EQ(moved.count(), 3);
    EXPECT_EQ(window.moves, 0);

    QTest::mouseMove(&window, QPoint(250, 150));
    EXPECT_EQ(moved.count(), 3);
    EXPECT_EQ(window.moves, 1);
    EXPECT_EQ(button->text(), "Load Picture");
}

}  // namespace
