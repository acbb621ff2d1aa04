#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "game/boardview/BoardArea.h"
#include "game/window/Form1.h"
#include "platform/HoverPushButton.h"
#include "platform/SequenceRandom.h"
#include "scores/ScoreDatabase.h"
#include "shell/ProgramFolder.h"
#include "tests/support/Deals.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TestFiles.h"

class FakeUrlOpener : public UrlOpener {
public:
    void open(const QString& url) override { opened.push_back(url); }
    std::vector<QString> opened;
};

// A window over a temporary program folder that holds a fresh high-score file.
class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    // Makes the window and runs its load; shows it. Without draws of its own, every game deals
    // tiles 0 and 5 exchanged and the rest at home.
    void openWindow(std::vector<double> draws = {});
    // Makes the window the active one, as a player's click on it would, and waits until it is.
    void activateWindow();
    QString folderPath(const QString& name) const { return folder.path() + name; }
    virtual std::unique_ptr<Form1> makeForm(Form1Services services) {
        return std::make_unique<Form1>(services);
    }

    // Waits until the window has done what the last action began: a picture loaded or made
    // again, a formed picture ended.
    void settle();
    // A mouse click, and whatever it began done.
    void click(QWidget* widget);
    void clickTile(int cell);
    void loadPicture(int width = 400, int height = 400);
    // Shows a picture of one colour, which no cell picture matches.
    void loadPlainPicture();
    void startGame();
    void tick(int times = 1);
    void selectSwap();

    int visibleTiles();
    // The cell of the picture that control k shows, found by its colour; -1 when none matches.
    int shownCell(int k);
    std::vector<ScoreRow> table(const char* name);

    QTemporaryDir folder;
    FakeDialogs dialogs;
    std::unique_ptr<SequenceRandom> random;
    FakeUrlOpener urlOpener;
    SkinFramework skin;
    std::unique_ptr<Form1> form;
};
