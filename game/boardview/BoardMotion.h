#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QVariantAnimation>
#include <vector>

class QWidget;

// Motion on the board, always after the fact: the game and the tiles are already in their new
// state when it starts, and it only shows the way there. Whatever the player does on the board
// while something moves first puts everything where it belongs, then acts; a press on a tile that
// is only passing through counts for the cell under the pointer once the board stands still.
class BoardMotion : public QObject {
    Q_OBJECT
public:
    static constexpr int kGlideMilliseconds = 130;
    static constexpr int kFadeMilliseconds = 500;

    struct Glide {
        QWidget* tile;
        QPoint from;
        QPoint to;  // where the tile stands once the motion ends
    };

    explicit BoardMotion(QWidget* area);

    // Off: whatever moves ends at once, and nothing moves again until it is turned back on.
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    // The tiles glide from `from` to `to`, eased.
    void glide(std::vector<Glide> glides);
    // `before`, laid over the whole area, fades out and shows what the area holds now.
    void fade(const QPixmap& before);
    bool running() const {
        return animation_ != nullptr && animation_->state() == QAbstractAnimation::Running;
    }
    // Everything at its final place, now.
    void finish();

    // One frame of what runs now, `progress` eased from 0 to 1; the animation calls it at
    // the screen's rate. A timing of single frames calls it itself, with the durations stretched
    // so that the animation never ends meanwhile.
    void frame(double progress);
    void setDurations(int glideMilliseconds, int fadeMilliseconds);

signals:
    void stilled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start(int milliseconds, const QEasingCurve& curve);
    void settle();

    QWidget* area_;
    bool enabled_ = true;
    int glideMilliseconds_ = kGlideMilliseconds;
    int fadeMilliseconds_ = kFadeMilliseconds;
    QPointer<QVariantAnimation> animation_;
    std::vector<Glide> glides_;
    QPointer<QWidget> overlay_;
    QPointer<QWidget> pressedTile_;  // a passing tile pressed through the board
};
