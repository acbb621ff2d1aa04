#include "game/boardview/BoardView.h"

#include <utility>

#include "game/boardview/BoardArea.h"
#include "platform/Failure.h"

BoardView::BoardView(BoardArea* boardArea, std::function<void(int)> onClick)
    : area_(boardArea), onClick_(std::move(onClick)) {
    QObject::connect(area_, &BoardArea::activated, area_, [this](int cell) { onClick_(cell); });
    controls_.push_back(makeControl(0));
    controls_[0]->move(origin());
    controls_[0]->hide();
}

TileLabel* BoardView::makeControl(int index) {
    auto* label = new TileLabel(index, area_);
    QObject::connect(label, &TileLabel::clicked, label, [this](int i) {
        area_->setCursorCell(i);
        onClick_(i);
    });
    return label;
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
        throw Failure("Control array element '" + std::to_string(index) + "' doesn't exist");
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
        throw Failure("Object already loaded");
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
    const int total = game.cellCount();
    const int chosen = game.selectedIndex().value();
    for (int k = 0; k < total; ++k) {
        TileLabel* label = control(k);
        label->setCell(clip.GraphicCell(game.imageAt(k)));
        label->setVisible(!game.isHiddenAt(k));
        label->setThreeDimensional(k == chosen);
    }
    area_->showGame(game);
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
    area_->hideGame();
    controls_[0]->hide();
    for (int i = 1; i <= total; ++i) {
        removeControl(i);
    }
}

void BoardView::removeLeftovers() {
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
