#include "game/boardview/BoardView.h"

#include <QCoreApplication>
#include <memory>
#include <utility>

#include "game/boardview/BoardArea.h"
#include "platform/Failure.h"

BoardView::BoardView(BoardArea* boardArea, std::function<void(int)> onClick)
    : area_(boardArea), motion_(new BoardMotion(boardArea)), onClick_(std::move(onClick)) {
    QObject::connect(area_, &BoardArea::activated, area_, [this](int cell) { play(cell); });
    controls_.push_back(makeControl(0));
    controls_[0]->move(origin());
    controls_[0]->hide();
}

TileLabel* BoardView::makeControl(int index) {
    auto* label = new TileLabel(index, area_);
    QObject::connect(label, &TileLabel::clicked, label, [this](int i) {
        area_->followClick(i);
        play(i);
    });
    return label;
}

void BoardView::play(int index) {
    motion_->finish();
    onClick_(index);
}

QPoint BoardView::origin() const {
    return {area_->frameWidth(), area_->frameWidth()};
}

bool BoardView::hasControl(int index) const {
    return index >= 0 && index < static_cast<int>(controls_.size()) &&
           controls_[static_cast<size_t>(index)] != nullptr;
}

TileLabel* BoardView::control(int index) const {
    if (!hasControl(index)) {
        throw Failure(
            QCoreApplication::translate("Failure", "Control array element '%1' doesn't exist")
                .arg(index)
                .toStdString());
    }
    return controls_[static_cast<size_t>(index)];
}

int BoardView::controlCount() const {
    int count = 0;
    for (auto* c : controls_) {
        count += c ? 1 : 0;
    }
    return count;
}

void BoardView::createControl(int index) {
    if (index < 1) {
        throw Failure(failures::kSubscriptOutOfRange);
    }
    if (hasControl(index)) {
        throw Failure(TAVLORA_TRANSLATABLE("Failure", "Object already loaded"));
    }
    if (index >= static_cast<int>(controls_.size())) {
        controls_.resize(static_cast<size_t>(index) + 1, nullptr);
    }
    auto* label = makeControl(index);
    label->move(controls_[0]->pos());
    label->resize(controls_[0]->size());
    label->hide();
    controls_[static_cast<size_t>(index)] = label;
}

void BoardView::showCell(int index, const QPixmap& cell) {
    control(index)->setCell(cell);
}

QSize BoardView::controlSize(int index) const {
    return control(index)->size();
}

void BoardView::setControlLeft(int index, int left) {
    TileLabel* label = control(index);
    label->move(origin().x() + left, label->y());
}

void BoardView::setControlTop(int index, int top) {
    TileLabel* label = control(index);
    label->move(label->x(), origin().y() + top);
}

void BoardView::drawBoard(const PuzzleGame& game, PictureClip& clip) {
    motion_->finish();
    const int total = game.cellCount();
    const int chosen = game.selectedIndex().value();
    for (int k = 0; k < total; ++k) {
        TileLabel* label = control(k);
        label->setCell(clip.GraphicCell(game.imageAt(k)));
        label->setVisible(!game.isHiddenAt(k));
        label->setThreeDimensional(k == chosen);
    }
    area_->showGame(game);
    area_->keepCursorOnTop();
}

void BoardView::showMove(const PuzzleGame& game, PictureClip& clip, const MoveOutcome& move) {
    drawBoard(game, clip);
    area_->answerMove(move);
    if (!move.moved()) {
        return;
    }
    // The pressed piece glides from its cell to where it went; in an exchange the other piece
    // makes the opposite way. A piece the drawing hides (the gap) does not move.
    std::vector<BoardMotion::Glide> glides;
    const auto glide = [&](int from, int to) {
        TileLabel* tile = control(to);
        if (tile->isVisible()) {
            glides.push_back({tile, control(from)->pos(), tile->pos()});
        }
    };
    glide(move.from, move.to);
    if (move.kind == MoveOutcome::Kind::Exchanged) {
        glide(move.to, move.from);
    }
    motion_->glide(std::move(glides));
    area_->keepCursorOnTop();
}

void BoardView::whenStill(QObject* context, const std::function<void()>& then) {
    if (!motion_->running()) {
        then();
        return;
    }
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(motion_, &BoardMotion::stilled, context, [once, then] {
        QObject::disconnect(*once);
        then();
    });
}

QPixmap BoardView::stillPicture() {
    return motion_->enabled() ? area_->grab() : QPixmap();
}

void BoardView::fadeFrom(const QPixmap& before) {
    motion_->fade(before);
}

void BoardView::removeControl(int index) {
    TileLabel* label = control(index);
    controls_[static_cast<size_t>(index)] = nullptr;
    // The click that ends a game arrives inside one of these labels' own event handler, so the
    // label is hidden now and deleted once that handler has returned.
    label->hide();
    label->deleteLater();
}

void BoardView::removeTiles(int total) {
    motion_->finish();
    area_->hideGame();
    controls_[0]->hide();
    for (int i = 1; i <= total; ++i) {
        removeControl(i);
    }
}

void BoardView::removeLeftovers() {
    motion_->finish();
    area_->hideGame();
    controls_[0]->hide();
    controls_[0]->setThreeDimensional(false);
    for (int i = 1; i < static_cast<int>(controls_.size()); ++i) {
        if (controls_[static_cast<size_t>(i)]) {
            removeControl(i);
        }
    }
    controls_.resize(1);
}
