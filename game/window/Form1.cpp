#include "game/window/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>

#include "game/pictures/PictureLoad.h"
#include "game/window/AccessibleFactories.h"
#include "game/window/DesktopSwitches.h"
#include "game/window/PlayerMenu.h"
#include "game/window/SoundPlayer.h"
#include "game/window/WindowIcon.h"
#include "game/window/WindowWatch.h"
#include "platform/CursorFile.h"
#include "platform/HoverPushButton.h"
#include "shell/ErrorReport.h"
#include "shell/ProgramFolder.h"
#include "shell/WindowSkin.h"

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent),
      boxes_(services.dialogs),
      services_{boxes_, services.random, services.urlOpener, services.skin} {
    installAccessibleFactories();
    buildControls(this);
    view_ = std::make_unique<BoardView>(picBack, [this](int index) { imgTile_Click(index); });
    playerMenu_ = new PlayerMenu(this);
    desktopSwitches_ = new DesktopSwitches(this);
    sound_ = new SoundPlayer(this);
    connectEvents();
    applyMotion();
}

void Form1::applyMotion() {
    view_->motion().setEnabled(playerMenu_->motionOn() && desktopSwitches_->animations());
}

void Form1::setMuted(bool muted) {
    muted_ = muted;
}

bool Form1::soundOn() const {
    return playerMenu_->soundOn() && !muted_ && desktopSwitches_->eventSounds();
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard the menu opens over the widget that has the focus.
    QWidget* focus = focusWidget() != nullptr ? focusWidget() : this;
    const QPoint where = event->reason() == QContextMenuEvent::Mouse
                             ? event->globalPos()
                             : focus->mapToGlobal(focus->rect().center());
    playerMenu_->open(where, event->reason() != QContextMenuEvent::Mouse);
    event->accept();
}

Form1::~Form1() = default;

void Form1::connectEvents() {
    // A screen reader can still press a button behind an open box; the press is refused then.
    const std::pair<HoverPushButton*, void (Form1::*)()> buttons[] = {
        {PushButton1, &Form1::PushButton1_Click},
        {PushButton2, &Form1::PushButton2_Click},
        {PushButton3, &Form1::PushButton3_Click}};
    for (const auto& [button, handler] : buttons) {
        connect(button, &QPushButton::clicked, this, [this, handler = handler] {
            if (!boxOpen()) {
                (this->*handler)();
            }
        });
    }
    // Whichever way an option gets selected (a click, the arrow keys, a screen reader), the game
    // type follows it; behind an open box the choice is put back.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            boxOpen() ? restoreOptions() : Option1_Click();
        }
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            boxOpen() ? restoreOptions() : Option2_Click();
        }
    });
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            &Form1::Form_Paste);
    // The Menu key and Shift+F10 open the window's menu, as on every desktop.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
            contextMenuEvent(&event);
        });
    }
    connect(playerMenu_, &PlayerMenu::switchesChanged, this, [this] {
        applyMotion();
        // Sound turned on during a game is ready for the next click.
        if (game_.hasBoard() && soundOn()) {
            sound_->prepare();
        }
    });
    connect(desktopSwitches_, &DesktopSwitches::changed, this, &Form1::applyMotion);
    new PictureDropTarget(
        this, [this] { return picturesWelcome(); },
        [this](const QString& path) { Form_OLEDragDrop(path); });
    new PixelRatioWatch(this, [this](qreal ratio) { applyPixelRatio(ratio); });
    new PointerWatch(this, {Frame1, Frame2, Frame3, Frame4, Frame5},
                     {PushButton1, PushButton2, PushButton3}, [this] { return handCursor_; });
    new OneSizeWatch(this, QSize(kClientWidth, kClientHeight));
}

void Form1::Form_Load() {
    ReportingRoutine routine(services_.dialogs, "Form_Load");
    routine.step(100, [&] { applyWindowSkin(*this, services_.skin); });
    bool cursorPresent = false;
    routine.step(104, [&] { cursorPresent = fileExists(programFolderPath(kHandCursorName)); });
    if (cursorPresent) {
        routine.step(106, [&] {
            handCursor_ = loadCursorFile(programFolderPath(kHandCursorName), devicePixelRatioF());
        });
    }
    routine.step(108, [&] { maybeOpenHomePage(); });
    routine.step(126, [&] {
        setWindowTitle(kCaption);
        setWindowIcon(tavloraIcon());
        setApplicationTitle();
    });
}

void Form1::Form_Activate() {
    ReportingRoutine routine(services_.dialogs, "Form_Activate");
    bool slide = false;
    routine.step(100, [&] { slide = game_.type() == GameType::Slide; });
    if (slide) {
        routine.step(102, [&] { game_.setScoreTable(PuzzleGame::kSlideTable); });
    } else {
        routine.step(104, [&] { game_.setScoreTable(PuzzleGame::kSwapTable); });
    }
}

void Form1::restoreOptions() {
    // Put back quietly, and past the group's rule that a checked option cannot be unchecked.
    const bool slide = game_.type() == GameType::Slide;
    for (auto [option, checked] : {std::pair{Option1, slide}, std::pair{Option2, !slide}}) {
        const QSignalBlocker quiet(option);
        option->setAutoExclusive(false);
        option->setChecked(checked);
        option->setAutoExclusive(true);
    }
}

void Form1::setApplicationTitle() {
    // The title is the product name cut at its last blank, at least once, until it fits in 40.
    QString title = "Tavlora Software";
    do {
        const qsizetype blank = title.lastIndexOf(' ');
        if (blank < 0) {
            break;
        }
        title = title.left(blank);
    } while (title.size() > 40);
    QCoreApplication::setApplicationName(title);
}

void Form1::maybeOpenHomePage() {
    services_.random.reseedFromTimeOfDay();
    const int n = static_cast<int>(std::floor(services_.random.nextUniform() * 100)) + 1;
    if (n == 7) {
        services_.urlOpener.open(kHomePage);
    }
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstShow_) {
        firstShow_ = false;
        Form_Activate();
    }
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Activate();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing ends the program at once, in any state; nothing is saved, and a picture being
    // decoded is given up.
    setTimerInterval(0);
    if (load_) {
        load_.reset();
        QApplication::restoreOverrideCursor();
        setState(puzzlePicture_.isNull() ? WindowState::NoPicture : WindowState::Ready);
    }
    remake_.reset();
    event->accept();
    emit unloaded();
}

void Form1::setState(WindowState state) {
    if (state_ != state) {
        state_ = state;
        emit stateChanged(state);
    }
}

void Form1::setTimerInterval(int milliseconds) {
    // A QTimer given 0 would fire without pause: 0 means stopped.
    if (milliseconds == 0) {
        Timer1.stop();
    } else {
        Timer1.start(milliseconds);
    }
}
