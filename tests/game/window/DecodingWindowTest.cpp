// The window while a picture decodes in the decoding program: it paints, answers screen readers
// and shows the wait cursor, refuses the game's input as behind a box, and gives the load up
// when it is closed. A decoder made slow by a script in front of it keeps the load going long
// enough to look.

#include <QAccessible>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "game/pictures/PictureLoader.h"
#include "tests/game/window/GameFixture.h"

namespace {

class DecodingWindowTest : public GameTest {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "a shell script stands in front of the decoder on Unix only";
#endif
        openWindow();
        const QString slow = folderPath("/slow-decoder");
        QFile script(slow);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nsleep 1\nexec '" + program_.toUtf8() + "'\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setDecoderProgram(slow);
    }
    void TearDown() override {
        setDecoderProgram(program_);
    }

    // Runs `look` 300 ms into the load of a picture through "Load Picture".
    void loadWhile(const std::function<void()>& look) {
        const QString path = folderPath("/cells.png");
        testfiles::writeCellPicture(path, 400, 400);
        dialogs.fileReplies.push_back(path.toStdString());
        bool looked = false;
        QTimer::singleShot(300, form.get(), [&] {
            look();
            looked = true;
        });
        QTest::mouseClick(form->PushButton1, Qt::LeftButton);
        EXPECT_EQ(form->state(), WindowState::Loading);
        EXPECT_TRUE(QTest::qWaitFor([&] { return looked; }));
        settle();
    }

    QString program_ = decoderProgram();
};

TEST_F(DecodingWindowTest, TheWindowPaintsAndAnswersButTakesNoGameInputWhileAPictureDecodes) {
    loadWhile([&] {
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(form->grab().size(), form->size());
        // A screen reader reads a button's name, and its press is refused.
        QAccessibleInterface* scores = QAccessible::queryAccessibleInterface(form->PushButton3);
        ASSERT_NE(scores, nullptr);
        EXPECT_FALSE(scores->text(QAccessible::Name).isEmpty());
        scores->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::mouseClick(form->PushButton3, Qt::LeftButton);
        QTest::mouseClick(form->PushButton2, Qt::LeftButton);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_FALSE(form->game().hasBoard());
        // A second picture, by a drop or a paste, is refused while this one loads.
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(folderPath("/cells.png"))});
        QDragEnterEvent enter(form->rect().center(), Qt::CopyAction, mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        EXPECT_FALSE(enter.isAccepted());
        delete mime;
        form->Form_Paste();
        EXPECT_FALSE(form->pasteUnderWay());
    });
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form->puzzlePicture().pixelColor(50, 50), testfiles::cellColor(0));
    EXPECT_TRUE(dialogs.errorReports().empty());
    // Once it has loaded, the window takes input again.
    click(form->PushButton2);
    EXPECT_TRUE(form->game().hasBoard());
}

TEST_F(DecodingWindowTest, ClosingTheWindowGivesTheLoadUpWithoutAReport) {
    loadWhile([&] { form->close(); });
    EXPECT_TRUE(form->puzzlePicture().isNull());
    EXPECT_TRUE(dialogs.errorReports().empty());
}

}  // namespace
