#include "game/boardview/BoardView.h"

#include <QCoreApplication>
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
    std::vector<int> shown(static_cast<size_t>(total));
    for (int k = 0; k < total; ++k) {
        TileLabel* label = control(k);
        label->setCell(clip.GraphicCell(game.imageAt(k)));
        label->setVisible(!game.isHiddenAt(k));
        label->setThreeDimensional(k == chosen);
        shown[static_cast<size_t>(k)] = game.isHiddenAt(k) ? -1 : game.imageAt(k);
    }
    // A piece that now shows in another cell than at the last drawing came from there. The first
    // drawing of a game has no last one, so the shuffle never moves.
    std::vector<BoardMotion::Glide> glides;
    if (drawn_.size() == shown.size()) {
        for (size_t k = 0; k < shown.size(); ++k) {
            if (shown[k] < 0 || shown[k] == drawn_[k]) {
                continue;
            }
            for (size_t from = 0; from < drawn_.size(); ++from) {
                if (from != k && drawn_[from] == shown[k]) {
                    glides.push_back({control(static_cast<int>(k)),
                                      control(static_cast<int>(from))->pos(),
                                      control(static_cast<int>(k))->pos()});
                }
            }
        }
    }
    drawn_ = std::move(shown);
    area_->showGame(game);
    motion_->glide(std::move(glides));
    area_->keepCursorOnTop();
}

QPixmap BoardView::stillPicture() {
    if (!motion_->enabled()) {
        return {};
    }
    motion_->waitUntilStill();
    return area_->grab();
}

void BoardView::fadeFrom(const QPixmap& before) {
    motion_->fade(before);
    motion_->waitUntilStill();
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
    drawn_.clear();
    area_->hideGame();
    controls_[0]->hide();
    for (int i = 1; i <= total; ++i) {
        removeControl(i);
    }
}

void BoardView::removeLeftovers() {
    motion_->finish();
    drawn_.clear();
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
