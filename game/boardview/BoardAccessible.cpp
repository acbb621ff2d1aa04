#include "game/boardview/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <array>

#include "board/PuzzleGame.h"
#include "game/boardview/BoardArea.h"

namespace {

QString text(const char* english) {
    return QCoreApplication::translate("BoardAccessible", english);
}

// "%1" and "%2" of a text about a cell: its row and column, counted from 1.
QString aboutCell(const char* english, int cell) {
    return text(english).arg(QString::number(cell / BoardArea::kSide + 1),
                             QString::number(cell % BoardArea::kSide + 1));
}

// One cell of the board: a button that plays the cell when pressed.
class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CellAccessible(BoardArea* area, int cell) : area_(area), cell_(cell) {}

    bool isValid() const override { return area_ && area_->game() && area_->game()->hasBoard(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(area_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        switch (t) {
            case QAccessible::Name:
                return cellName(*area_->game(), cell_);
            case QAccessible::Description:
                return area_->cellDescription(cell_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (!area_) {
            return {};
        }
        const QRect local = area_->cellRect(cell_);
        return {area_->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focused = area_->hasFocus() && area_->cursorCell() == cell_;
        s.selected = area_->game()->selectedIndex() == cell_;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && area_) {
            area_->pressSoon(cell_);
        }
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override {
        return {QStringLiteral("Space")};
    }

private:
    QPointer<BoardArea> area_;
    int cell_;
};

// The board: a named group of 16 cell buttons while a game runs, empty otherwise. The tile
// controls inside it are not shown to screen readers; the cells speak for them.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardArea* area) : QAccessibleWidget(area, QAccessible::Grouping) {}
    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    int childCount() const override {
        const PuzzleGame* game = area()->game();
        return game && game->hasBoard() ? BoardArea::kSide * BoardArea::kSide : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        const auto i = static_cast<std::size_t>(index);
        // A cell the board speaks with anew is a new object, which readers read even when
        // they are already on the cell.
        if (ids_[i] != 0 && generations_[i] != area()->cellGeneration(index)) {
            QAccessible::deleteAccessibleInterface(ids_[i]);
            ids_[i] = 0;
        }
        if (ids_[i] == 0) {
            ids_[i] = QAccessible::registerAccessibleInterface(new CellAccessible(area(), index));
            generations_[i] = area()->cellGeneration(index);
        }
        return QAccessible::accessibleInterface(ids_[i]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (ids_[static_cast<std::size_t>(i)] != 0 &&
                QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Description ? area()->boardDescription()
                                             : QAccessibleWidget::text(t);
    }
    QAccessibleInterface* focusChild() const override {
        return area()->hasFocus() ? child(area()->cursorCell()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i)->rect().contains(x, y)) {
                return child(i);
            }
        }
        return nullptr;
    }

private:
    BoardArea* area() const { return static_cast<BoardArea*>(widget()); }

    mutable std::array<QAccessible::Id, BoardArea::kCells> ids_{};
    mutable std::array<int, BoardArea::kCells> generations_{};
};

}  // namespace

QString cellName(const PuzzleGame& game, int cell) {
    if (game.isHiddenAt(cell)) {
        return aboutCell(QT_TRANSLATE_NOOP("BoardAccessible", "Row %1, column %2: the gap"), cell);
    }
    const QString piece = QString::number(game.imageAt(cell) + 1);
    if (game.selectedIndex() == cell) {
        return aboutCell(
                   QT_TRANSLATE_NOOP("BoardAccessible", "Row %1, column %2: piece %3, chosen"),
                   cell)
            .arg(piece);
    }
    return aboutCell(QT_TRANSLATE_NOOP("BoardAccessible", "Row %1, column %2: piece %3"), cell)
        .arg(piece);
}

QString cellDescription(const PuzzleGame& game, int cell) {
    if (game.isHiddenAt(cell)) {
        return {};  // the gap is no piece, and belongs nowhere
    }
    const int home = game.imageAt(cell);
    return home == cell
               ? text(QT_TRANSLATE_NOOP("BoardAccessible", "in place"))
               : aboutCell(QT_TRANSLATE_NOOP("BoardAccessible", "belongs in row %1, column %2"),
                           home);
}

QAccessibleInterface* boardAccessibleFactory(const QString& /*className*/, QObject* object) {
    if (auto* area = qobject_cast<BoardArea*>(object)) {
        return new BoardAccessible(area);
    }
    return nullptr;
}
