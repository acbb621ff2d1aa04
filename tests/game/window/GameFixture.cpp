#include "tests/game/window/GameFixture.h"

#include <QSettings>

GameTest::GameTest() {
    // Every test starts from a player who has turned nothing off; the settings file is the test
    // run's own.
    QSettings(QSettings::UserScope, "Tavlora", "Tavlora").clear();
    setProgramFolderOverride(folder.path());
    createScoreFile(folderPath("/hiscore.mdb"));
}

GameTest::~GameTest() {
    form.reset();
    setProgramFolderOverride("");
}

void GameTest::openWindow(std::vector<double> draws) {
    if (draws.empty()) {
        draws = dealDraws(kTilesZeroAndFiveExchanged);
    }
    random = std::make_unique<SequenceRandom>(std::move(draws));
    form = makeForm(Form1Services{dialogs, *random, urlOpener, skin});
    form->Form_Load();
    form->show();
    QApplication::processEvents();
}

void GameTest::settle() {
    QApplication::processEvents();  // a drop or a paste hands its picture on through an event
    const auto done = [&] {
        return form == nullptr || (form->state() != WindowState::Loading &&
                                   form->state() != WindowState::Finishing && !form->remaking());
    };
    ASSERT_TRUE(QTest::qWaitFor(done, 60000));
}

void GameTest::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
    settle();
}

void GameTest::clickTile(int cell) {
    click(form->boardView().control(cell));
}

void GameTest::loadPicture(int width, int height) {
    const QString path = folderPath(QString("/picture-%1x%2.png").arg(width).arg(height));
    testfiles::writeCellPicture(path, width, height);
    dialogs.fileReplies.push_back(path.toStdString());
    click(form->PushButton1);
}

void GameTest::loadPlainPicture() {
    const QString path = folderPath("/plain.png");
    QImage plain(40, 40, QImage::Format_RGB32);
    plain.fill(Qt::gray);
    ASSERT_TRUE(plain.save(path));
    form->Form_CommandLine({path});
    settle();
    ASSERT_EQ(form->puzzlePicture().pixelColor(50, 50), QColor(Qt::gray));
}

void GameTest::startGame() {
    ASSERT_EQ(form->PushButton2->text(), "Start Game");
    click(form->PushButton2);
}

void GameTest::tick(int times) {
    form->Timer1.stop();  // the test drives the clock itself
    for (int i = 0; i < times; ++i) {
        form->Timer1_Timer();
    }
}

void GameTest::selectSwap() {
    click(form->Option2);
}

int GameTest::visibleTiles() {
    int visible = 0;
    for (int k = 0; k <= 16; ++k) {
        if (form->boardView().hasControl(k) && form->boardView().control(k)->isVisible()) {
            ++visible;
        }
    }
    return visible;
}

int GameTest::shownCell(int k) {
    const QImage image = form->boardView().control(k)->pixmap().toImage();
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    for (int cell = 0; cell < 16; ++cell) {
        if (centre == testfiles::cellColor(cell)) {
            return cell;
        }
    }
    return -1;
}

std::vector<ScoreRow> GameTest::table(const char* name) {
    ScoreDatabase database;
    database.openScoreDatabase(folderPath("/hiscore.mdb"), ScoreDatabase::Mode::ReadOnly);
    return database.selectAll(name);
}

void GameTest::activateWindow() {
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
}
