#include "game/boardview/BoardArea.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QTimer>
#include <algorithm>

#include "board/PuzzleGame.h"
#include "game/boardview/BoardAccessible.h"

namespace {

// The keyboard cursor: a band of yellow and black dashes inside the cell's edge, plain on any
// picture and unlike the raised edge of a chosen tile. It lets every click through. Every click
// repaints the tiles beneath it, so the band is drawn once into a picture, and the widget is only
// the band: the tile shows through the middle untouched.
class CursorMark : public QWidget {
public:
    explicit CursorMark(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void resizeEvent(QResizeEvent* /*event*/) override {
        constexpr int kBand = 7;
        setMask(QRegion(rect()) - QRegion(rect().adjusted(kBand, kBand, -kBand, -kBand)));
        band_ = QPixmap();
    }
    void paintEvent(QPaintEvent* /*event*/) override {
        const qreal ratio = devicePixelRatioF();
        if (band_.isNull() || band_.devicePixelRatio() != ratio) {
            band_ = drawBand(size(), ratio);
        }
        QPainter(this).drawPixmap(0, 0, band_);
    }

private:
    static QPixmap drawBand(QSize size, qreal ratio) {
        QPixmap band(size * ratio);
        band.setDevicePixelRatio(ratio);
        band.fill(Qt::transparent);
        QPainter painter(&band);
        const QRectF edge = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(4.5, 4.5, -4.5, -4.5);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawRect(edge);
        QPen dashes(QColor(255, 214, 0), 3, Qt::CustomDashLine);
        dashes.setDashPattern({3, 2});
        painter.setPen(dashes);
        painter.drawRect(edge);
        return band;
    }

    QPixmap band_;
};

bool isBoardKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

// How to play, said with the cell under the cursor when the board is entered the first time in a
// game; Slide adds its rule.
constexpr const char* kHowTo =
    QT_TRANSLATE_NOOP("BoardArea",
                      "Arrow keys move between the tiles; Space or Enter plays the tile; M says "
                      "the moves and the time");
constexpr const char* kSlideRule =
    QT_TRANSLATE_NOOP("BoardArea",
                      "A tile moves into the gap when the gap is above, below, before or after it; "
                      "the last cell of a row and the first of the next are neighbours");

QString rowAndColumn(const char* english, int cell) {
    return BoardArea::tr(english).arg(QString::number(cell / BoardArea::kSide + 1),
                                      QString::number(cell % BoardArea::kSide + 1));
}

// "belongs in …" and a note after it, as one sentence each.
QString sentences(const QStringList& parts) {
    QStringList said;
    for (const QString& part : parts) {
        if (!part.isEmpty()) {
            said.append(part);
        }
    }
    return said.join(QStringLiteral(". "));
}

}  // namespace

BoardArea::BoardArea(QWidget* parent) : QLabel(parent) {}

void BoardArea::showGame(const PuzzleGame& game) {
    const bool starting = game_ == nullptr;
    game_ = &game;
    if (starting) {
        if (cursorMark_ == nullptr) {
            // Made with the first game, like the tiles, so the window's tab order stays its own.
            cursorMark_ = new CursorMark(this);
        }
        cursorMark_->hide();
        cursor_ = 0;
        keyboardInUse_ = false;
        howToHeard_ = false;
        forgetAnswer();
    }
    updateCursorMark();
    // A new board reads differently as a whole, and its cells are new objects; a move tells of
    // its own cells (answerMove).
    if (starting || game.serial() != shownSerial_) {
        shownSerial_ = game.serial();
        for (int cell = 0; cell < kCells; ++cell) {
            readAnew(cell);
        }
        announceBoardChanged();
        announceFocus();
    }
}

void BoardArea::hideGame() {
    game_ = nullptr;
    cursor_ = -1;
    updateCursorMark();
    forgetAnswer();
    announceBoardChanged();
}

// The board reads differently with and without a game: its cells come or go, and so does the
// description that says no game is running, which readers keep until told.
void BoardArea::announceBoardChanged() {
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void BoardArea::setCursorCell(int cell) {
    if (game_ == nullptr || cell < 0 || cell >= kSide * kSide || cell == cursor_) {
        return;
    }
    cursor_ = cell;
    forgetAnswer();
    updateCursorMark();
    announceFocus();
}

void BoardArea::takeKeyboard() {
    if (game_ == nullptr) {
        return;
    }
    keyboardInUse_ = true;
    setFocus(Qt::OtherFocusReason);
    updateCursorMark();
}

void BoardArea::followClick(int cell) {
    keyboardInUse_ = false;
    updateCursorMark();
    setCursorCell(cell);
}

bool BoardArea::cursorShown() const {
    return cursorMark_ != nullptr && cursorMark_->isVisible();
}

void BoardArea::keepCursorOnTop() {
    if (cursorMark_ != nullptr) {
        cursorMark_->raise();
    }
}

QRect BoardArea::cellRect(int cell) const {
    return {frameWidth() + cell % kSide * kCellSide, frameWidth() + cell / kSide * kCellSide,
            kCellSide, kCellSide};
}

void BoardArea::activate(int cell) {
    if (game_ == nullptr || cell < 0 || cell >= kCells || !game_->hasBoard()) {
        return;
    }
    // The gap in Slide has no tile to click, so playing it does nothing but say it again.
    if (game_->isHiddenAt(cell)) {
        speak({});
        return;
    }
    // The answer comes with the move's drawing; a press the window refuses draws nothing and is
    // answered with nothing.
    pressed_ = cell;
    emit activated(cell);
    pressed_ = -1;
}

void BoardArea::answerMove(const MoveOutcome& move) {
    tellChangedCells(move);
    // Only a key or a screen reader's press is answered; a picture formed speaks for itself.
    if (pressed_ != move.from || move.formed) {
        return;
    }
    const auto movedTo = [&](int target) {
        return rowAndColumn(QT_TRANSLATE_NOOP("BoardArea", "Piece %3 moved to row %1, column %2"),
                            target)
            .arg(move.piece + 1);
    };
    switch (move.kind) {
        case MoveOutcome::Kind::None:
            speak(tr("Not next to the gap"));
            break;
        case MoveOutcome::Kind::Slid:
        case MoveOutcome::Kind::Exchanged:
            speak(movedTo(move.to));
            break;
        case MoveOutcome::Kind::Chosen:
        case MoveOutcome::Kind::Unchosen:
            speak({});  // the choice reads in the cell's name
            break;
    }
}

void BoardArea::speak(const QString& text) {
    answer_ = text;
    answerCell_ = game_ != nullptr ? cursor_ : -1;
    if (!hasFocus()) {
        return;
    }
    if (answerCell_ >= 0) {
        readAnew(answerCell_);
        announceFocus();
    } else if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardArea::readAnew(int cell) {
    if (cell >= 0 && cell < kCells) {
        ++generation_[static_cast<std::size_t>(cell)];
    }
}

// An answer is said once: the cell it came with reads without it from now on.
void BoardArea::forgetAnswer() {
    if (!answer_.isEmpty()) {
        readAnew(answerCell_);
    }
    answer_.clear();
}

QString BoardArea::cellDescription(int cell) const {
    if (game_ == nullptr || !game_->hasBoard()) {
        return {};
    }
    QStringList parts{::cellDescription(*game_, cell)};
    if (cell == answerCell_) {
        parts.append(answer_);
    }
    if (!howToHeard_ && cell == cursor_) {
        parts.append(tr(kHowTo));
        if (game_->type() == GameType::Slide) {
            parts.append(tr(kSlideRule));
        }
    }
    return sentences(parts);
}

QString BoardArea::boardDescription() const {
    if (game_ != nullptr) {
        return {};  // the cells speak for the board while a game runs
    }
    return answerCell_ < 0 && !answer_.isEmpty() ? answer_ : tr("No game is running");
}

void BoardArea::pressSoon(int cell) {
    if (game_ == nullptr) {
        return;
    }
    QTimer::singleShot(0, this, [this, cell, serial = game_->serial()] {
        if (game_ != nullptr && game_->serial() == serial) {
            setCursorCell(cell);
            activate(cell);
        }
    });
}

void BoardArea::keyPressEvent(QKeyEvent* event) {
    if (game_ == nullptr) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (isBoardKey(event->key()) && !keyboardInUse_) {
        keyboardInUse_ = true;
        updateCursorMark();
    }
    if ((isBoardKey(event->key()) || event->key() == Qt::Key_M) && !howToHeard_) {
        howToHeard_ = true;
        readAnew(cursor_);  // it told how to play
    }
    switch (event->key()) {
        case Qt::Key_Left:
            moveCursor(0, -1);
            break;
        case Qt::Key_Right:
            moveCursor(0, 1);
            break;
        case Qt::Key_Up:
            moveCursor(-1, 0);
            break;
        case Qt::Key_Down:
            moveCursor(1, 0);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A held key plays its cell once; the repeats never pile up moves.
            if (!event->isAutoRepeat()) {
                activate(cursor_);
            }
            break;
        case Qt::Key_M:
            speak(tr("Moves: %1, time %2")
                      .arg(QString::number(game_->moveCount().value()),
                           QString::fromStdString(game_->clockText())));
            break;
        default:
            QLabel::keyPressEvent(event);
            return;
    }
    event->accept();
}

void BoardArea::moveCursor(int rows, int columns) {
    // The cursor stops at the edges.
    const int row = std::clamp(cursor_ / kSide + rows, 0, kSide - 1);
    const int column = std::clamp(cursor_ % kSide + columns, 0, kSide - 1);
    if (row * kSide + column == cursor_) {
        speak(tr("Edge of the board"));
        return;
    }
    setCursorCell(row * kSide + column);
}

void BoardArea::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        keyboardInUse_ = true;
    }
    updateCursorMark();
    // Qt tells screen readers of the board's focus after this handler; the cell under the cursor
    // follows it, whichever way the focus came.
    QTimer::singleShot(0, this, [this] { announceFocus(); });
}

void BoardArea::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    forgetAnswer();
    updateCursorMark();
}

void BoardArea::updateCursorMark() {
    if (cursorMark_ == nullptr) {
        return;
    }
    if (game_ == nullptr || cursor_ < 0 || !hasFocus() || !keyboardInUse_) {
        cursorMark_->hide();
        return;
    }
    if (cursorMark_->geometry() != cellRect(cursor_)) {
        cursorMark_->setGeometry(cellRect(cursor_));
    }
    if (cursorMark_->isHidden()) {
        cursorMark_->raise();  // above the tiles, which a new game makes anew
        cursorMark_->show();
    }
}

void BoardArea::announceFocus() {
    if (QAccessible::isActive() && game_ != nullptr && cursor_ >= 0 && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(cursor_);
        QAccessible::updateAccessibility(&event);
    }
}

// The cells a move changed read differently: the pressed one and, when a piece went somewhere,
// where it went. Each is handed to screen readers as a new object: a reader that keeps what it read
// of an object (Orca 48 keeps descriptions) would otherwise say where the piece that left belongs.
void BoardArea::tellChangedCells(const MoveOutcome& move) {
    if (move.kind == MoveOutcome::Kind::None) {
        return;
    }
    for (const int cell : {move.from, move.moved() ? move.to : -1}) {
        if (cell < 0) {
            continue;
        }
        readAnew(cell);
        if (QAccessible::isActive()) {
            QAccessibleEvent named(this, QAccessible::NameChanged);
            named.setChild(cell);
            QAccessible::updateAccessibility(&named);
            QAccessibleEvent described(this, QAccessible::DescriptionChanged);
            described.setChild(cell);
            QAccessible::updateAccessibility(&described);
        }
    }
}
