#include "game/boardview/BoardMotion.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <QWidget>
#include <cmath>
#include <utility>

namespace {

// The picture that fades: painted at a falling opacity over everything else on the board. It
// lets every press through to the board, which ends the fade.
class FadingPicture : public QWidget {
public:
    FadingPicture(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(parent->rect());
    }
    void setOpacity(double opacity) {
        opacity_ = opacity;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setOpacity(opacity_);
        painter.drawPixmap(0, 0, picture_);
    }

private:
    QPixmap picture_;
    double opacity_ = 1.0;
};

QPoint between(QPoint from, QPoint to, double progress) {
    return {from.x() + static_cast<int>(std::lround((to.x() - from.x()) * progress)),
            from.y() + static_cast<int>(std::lround((to.y() - from.y()) * progress))};
}

}  // namespace

BoardMotion::BoardMotion(QWidget* area) : QObject(area), area_(area) {
    area_->installEventFilter(this);
}

void BoardMotion::setEnabled(bool on) {
    enabled_ = on;
    if (!on) {
        finish();
    }
}

void BoardMotion::glide(std::vector<Glide> glides) {
    finish();
    if (!enabled_ || glides.empty()) {
        return;
    }
    glides_ = std::move(glides);
    for (const Glide& g : glides_) {
        // A passing tile takes no press of its own: the board finds the cell under the pointer.
        g.tile->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        g.tile->move(g.from);
        // A tile that glides to the next cell passes over nothing but the gap it leaves; tiles
        // that cross, or a slide across a row's end, go over the others.
        if (glides_.size() > 1 || (g.to - g.from).manhattanLength() > g.tile->width()) {
            g.tile->raise();
        }
    }
    start(glideMilliseconds_, QEasingCurve::OutCubic);
}

void BoardMotion::fade(const QPixmap& before) {
    finish();
    if (!enabled_ || before.isNull()) {
        return;
    }
    auto* overlay = new FadingPicture(before, area_);
    overlay->raise();
    overlay->show();
    overlay_ = overlay;
    start(fadeMilliseconds_, QEasingCurve::InOutSine);
}

void BoardMotion::setDurations(int glideMilliseconds, int fadeMilliseconds) {
    glideMilliseconds_ = glideMilliseconds;
    fadeMilliseconds_ = fadeMilliseconds;
}

void BoardMotion::start(int milliseconds, const QEasingCurve& curve) {
    // One animation serves every motion, made with the first; with motion off there is none.
    if (animation_ == nullptr) {
        animation_ = new QVariantAnimation(area_);
        animation_->setStartValue(0.0);
        animation_->setEndValue(1.0);
        connect(animation_, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& value) { frame(value.toDouble()); });
        connect(animation_, &QVariantAnimation::finished, this, &BoardMotion::settle);
    }
    animation_->setDuration(milliseconds);
    animation_->setEasingCurve(curve);
    animation_->start();
}

void BoardMotion::frame(double progress) {
    for (const Glide& g : glides_) {
        g.tile->move(between(g.from, g.to, progress));
    }
    if (auto* overlay = static_cast<FadingPicture*>(overlay_.data())) {
        overlay->setOpacity(1.0 - progress);
    }
}

void BoardMotion::finish() {
    if (running()) {
        animation_->stop();  // tells nobody: settle() follows here
    }
    settle();
}

void BoardMotion::settle() {
    const bool moved = !glides_.empty() || overlay_ != nullptr;
    for (const Glide& g : glides_) {
        g.tile->move(g.to);
        g.tile->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
    glides_.clear();
    delete overlay_.data();
    if (moved) {
        emit stilled();
    }
}

bool BoardMotion::eventFilter(QObject* watched, QEvent* event) {
    if (watched != area_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            finish();
            return false;
        case QEvent::MouseButtonPress: {
            if (!running()) {
                return false;
            }
            finish();
            auto* press = static_cast<QMouseEvent*>(event);
            QWidget* tile = area_->childAt(press->position().toPoint());
            if (tile == nullptr) {
                return false;
            }
            pressedTile_ = tile;
            QMouseEvent forwarded(
                QEvent::MouseButtonPress, tile->mapFrom(area_, press->position().toPoint()),
                press->globalPosition(), press->button(), press->buttons(), press->modifiers());
            QCoreApplication::sendEvent(tile, &forwarded);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            if (pressedTile_ == nullptr) {
                return false;
            }
            QWidget* tile = pressedTile_;
            pressedTile_ = nullptr;
            auto* release = static_cast<QMouseEvent*>(event);
            QMouseEvent forwarded(QEvent::MouseButtonRelease,
                                  tile->mapFrom(area_, release->position().toPoint()),
                                  release->globalPosition(), release->button(), release->buttons(),
                                  release->modifiers());
            QCoreApplication::sendEvent(tile, &forwarded);
            return true;
        }
        default:
            return false;
    }
}
