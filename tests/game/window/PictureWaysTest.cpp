#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImageWriter>
#include <QMimeData>
#include <QUrl>

#include "tests/game/window/GameFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/HandMadePictures.h"

namespace {

// The other ways a picture arrives: named on the command line, dropped on the window, pasted.
class PictureWaysTest : public GameTest {
protected:
    void SetUp() override {
        openWindow();
        QApplication::clipboard()->clear();
    }

    QString cellPicture(const QString& name, int width = 400, int height = 400,
                        const char* format = "PNG") {
        const QString path = folderPath("/" + name);
        testfiles::writeCellPicture(path, width, height, format);
        return path;
    }
    QString claimsHugePicture() {
        const QString path = folderPath("/huge.png");
        testfiles::writeBytes(path, pngClaiming(30000, 30000));
        return path;
    }
    bool showsCellPicture() const {
        const QImage& p = form->puzzlePicture();
        return p.size() == QSize(400, 400) && p.pixelColor(50, 50) == testfiles::cellColor(0) &&
               p.pixelColor(350, 350) == testfiles::cellColor(15);
    }
    // Sends a drag over the window and, when it is accepted, drops it; true when it was accepted.
    bool dropOnWindow(QMimeData* mime, QWidget* target = nullptr) {
        target = target ? target : form.get();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    static QMimeData* files(const QList<QUrl>& urls) {
        auto* mime = new QMimeData;
        mime->setUrls(urls);
        return mime;
    }
    void paste() {
        form->activateWindow();
        QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form->pasteUnderWay(); }, 5000));
        settle();
    }
    void copy(const QString& format, const QByteArray& bytes) {
        auto* data = new QMimeData;
        data->setData(format, bytes);
        QApplication::clipboard()->setMimeData(data);
    }
    void expectOneReport(const char* where, const char* reason) {
        const auto reports = dialogs.errorReports();
        ASSERT_EQ(reports.size(), 1u) << (reports.empty() ? "" : reports.back().text);
        EXPECT_NE(reports[0].text.find(where), std::string::npos) << reports[0].text;
        EXPECT_NE(reports[0].text.find(reason), std::string::npos) << reports[0].text;
        dialogs.messages.clear();
    }
};

TEST_F(PictureWaysTest, CommandLineLoadsTheFirstPictureAndStartsNoGame) {
    form->Form_CommandLine({cellPicture("first.png", 1200, 300), cellPicture("second.jpg")});
    settle();
    EXPECT_TRUE(showsCellPicture());
    EXPECT_FALSE(form->imgImage->pixmap().isNull());
    EXPECT_EQ(form->PushButton2->text(), "Start Game");
    EXPECT_FALSE(form->game().hasBoard());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST_F(PictureWaysTest, BadCommandLineArgumentsGetOneReportAndKeepThePicture) {
    testfiles::writeBytes(folderPath("/notes.png"), "plain text");
    QDir(folder.path()).mkdir("album");
    const struct {
        QString argument;
        const char* reason;
    } bad[] = {{folderPath("/missing.png"), "was not found"},
               {folderPath("/album"), "folder"},
               {folderPath("/notes.png"), "notes.png"},
               {claimsHugePicture(), "too large"}};
    for (const auto& b : bad) {
        SCOPED_TRACE(b.argument.toStdString());
        form->Form_CommandLine({b.argument});
        settle();
        expectOneReport("Form_CommandLine at line 110", b.reason);
        EXPECT_TRUE(form->puzzlePicture().isNull());
    }
    form->Form_CommandLine({cellPicture("good.png")});
    settle();
    form->Form_CommandLine({folderPath("/missing.png")});
    settle();
    expectOneReport("Form_CommandLine at line 110", "was not found");
    EXPECT_TRUE(showsCellPicture());
}

TEST_F(PictureWaysTest, DroppedPictureFileLoadsOnlyWhileNoGameRuns) {
    const QString path = cellPicture("dropped.bmp", 400, 400, "BMP");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    // Dropped on a value box, the drop reaches the window.
    EXPECT_TRUE(dropOnWindow(&mime, form->txtScore));
    settle();
    EXPECT_TRUE(showsCellPicture());

    startGame();
    const QImage before = form->puzzlePicture();
    cellPicture("other.png", 200, 100);
    mime.setUrls({QUrl::fromLocalFile(folderPath("/other.png"))});
    EXPECT_FALSE(dropOnWindow(&mime));
    settle();
    EXPECT_EQ(form->puzzlePicture(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureWaysTest, DropsOfTextAddressesAndFoldersAreRefused) {
    QMimeData text;
    text.setText("/tmp/picture.png");
    EXPECT_FALSE(dropOnWindow(&text));
    QMimeData web;
    web.setUrls({QUrl("https://tavlora.example/picture.png")});
    EXPECT_FALSE(dropOnWindow(&web));
    QMimeData folderDrop;
    folderDrop.setUrls({QUrl::fromLocalFile(folder.path())});
    EXPECT_FALSE(dropOnWindow(&folderDrop));
    settle();
    EXPECT_TRUE(form->puzzlePicture().isNull());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureWaysTest, FileGoneBetweenDropAndLoadIsReportedOnce) {
    const QString path = cellPicture("fleeting.png");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    ASSERT_TRUE(dropOnWindow(&mime));
    QFile::remove(path);
    settle();
    expectOneReport("Form_OLEDragDrop at line 110", "was not found");
    EXPECT_TRUE(form->puzzlePicture().isNull());
}

TEST_F(PictureWaysTest, PasteTakesPictureDataACopiedFileOrAPicture) {
    QByteArray png;
    {
        const QString path = cellPicture("clip.png", 800, 600);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        png = file.readAll();
    }
    copy("image/png", png);
    paste();
    EXPECT_TRUE(showsCellPicture());

    loadPlainPicture();
    QApplication::clipboard()->setMimeData(
        files({QUrl::fromLocalFile(cellPicture("copied.bmp", 400, 400, "BMP"))}));
    paste();
    EXPECT_TRUE(showsCellPicture());

    loadPlainPicture();
    QImage picture(folderPath("/clip.png"));
    QApplication::clipboard()->setImage(picture);
    paste();
    EXPECT_TRUE(showsCellPicture());
    EXPECT_TRUE(dialogs.messages.empty());
}

// Picture bytes under Qt's own type or XPM's other names are judged like the same bytes under
// their proper type; a file copied in a file manager, or its name copied as text, is that file.
TEST_F(PictureWaysTest, PasteTakesEveryNameOfPictureDataAndFilesNamedAsText) {
    QByteArray xpm;
    {
        const QString path = cellPicture("clip.xpm", 64, 64, "XPM");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        xpm = file.readAll();
    }
    QFile png(cellPicture("clip.png", 300, 500));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QString file = cellPicture("copied file.jpg", 400, 400, "BMP");
    const QString address = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    const struct {
        const char* format;
        QByteArray bytes;
    } offers[] = {
        {"application/x-qt-image", png.readAll()},
        {"image/xpm", xpm},
        {"image/x-xpm", xpm},
        {"x-special/gnome-copied-files", "copy\n" + address.toUtf8()},
        {"text/plain", file.toUtf8() + "\n"},
        {"text/plain", "'" + file.toUtf8() + "'"},
        {"text/plain", address.toUtf8()},
    };
    for (const auto& offer : offers) {
        SCOPED_TRACE(offer.format + (" " + offer.bytes.left(60).toStdString()));
        loadPlainPicture();
        copy(offer.format, offer.bytes);
        paste();
        EXPECT_TRUE(showsCellPicture());
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST_F(PictureWaysTest, PasteOfNothingDoesNothingAndWhatIsNoPictureReportsOnce) {
    paste();  // empty clipboard
    EXPECT_TRUE(dialogs.messages.empty());
    QApplication::clipboard()->setText("not a picture");
    paste();
    expectOneReport("Form_Paste at line 110", "what was copied is text, not a picture");
    copy("application/x-tavlora-notes", "notes");
    paste();
    expectOneReport("Form_Paste at line 110", "what was copied is not a picture");
    EXPECT_TRUE(form->puzzlePicture().isNull());

    QFile huge(claimsHugePicture());
    ASSERT_TRUE(huge.open(QIODevice::ReadOnly));
    copy("image/png", huge.readAll());
    paste();
    expectOneReport("Form_Paste at line 110", "too large");

    testfiles::writeBytes(folderPath("/notes.png"), "plain text");
    QApplication::clipboard()->setMimeData(files({QUrl::fromLocalFile(folderPath("/notes.png"))}));
    paste();
    expectOneReport("Form_Paste at line 110", "notes.png");
    EXPECT_TRUE(form->puzzlePicture().isNull());
}

// Pasted data is held beside its decode: a 100-megapixel picture that would load from a file is
// refused before decoding when its bytes and its decode together pass the budget.
TEST_F(PictureWaysTest, PastedDataCountsTheBytesHeldBesideTheDecode) {
    const QByteArray picture = pngClaiming(10000, 10000, true);  // interlaced: decoded in full
    // The bytes held leave the decoder that much less room: what would just decode from a file
    // is too large beside them.
    copy("image/png", picture + QByteArray(48 << 20, '\0'));
    paste();
#if defined(__SANITIZE_ADDRESS__)
    const bool memoryLimited = false;
#else
    const bool memoryLimited = !testfiles::runsUnderWine();
#endif
    // Where the decoder's memory limit does not hold (a sanitizer's limits stand in for it, Wine
    // ignores a job object's), only the one report is sure.
    expectOneReport("Form_Paste at line 110",
                    memoryLimited ? "too large (10000 x 10000 pixels)" : "Cannot load the picture");
    EXPECT_TRUE(form->puzzlePicture().isNull());
}

TEST_F(PictureWaysTest, PasteDuringAGameChangesNothing) {
    form->Form_CommandLine({cellPicture("start.png")});
    settle();
    startGame();
    QApplication::clipboard()->setMimeData(
        files({QUrl::fromLocalFile(cellPicture("other.png", 40, 40))}));
    paste();
    EXPECT_TRUE(showsCellPicture());
    EXPECT_TRUE(dialogs.messages.empty());
}

#ifndef _WIN32
TEST_F(PictureWaysTest, PipesAndDevicesAreRefusedEveryWayInWithoutTheWindowWaiting) {
    // Nobody ever writes the pipe: opening it to read would wait for ever.
    const QString pipe = folderPath("/pipe.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const char* const reason = "it is not a file but a pipe, a socket or a device";
    form->Form_CommandLine({pipe});
    settle();
    expectOneReport("Form_CommandLine at line 110", reason);
    form->Form_CommandLine({QStringLiteral("/dev/zero")});
    settle();
    expectOneReport("Form_CommandLine at line 110", reason);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(pipe)});
    EXPECT_TRUE(dropOnWindow(&mime));
    settle();
    expectOneReport("Form_OLEDragDrop at line 110", reason);

    QApplication::clipboard()->setMimeData(files({QUrl::fromLocalFile(pipe)}));
    paste();
    expectOneReport("Form_Paste at line 110", reason);

    dialogs.fileReplies.push_back(pipe.toStdString());
    click(form->PushButton1);
    expectOneReport("PushButton1_Click at line 110", reason);
    EXPECT_TRUE(form->puzzlePicture().isNull());
}
#else
TEST_F(PictureWaysTest, PipesAndDevicesAreRefusedEveryWayInWithoutTheWindowWaiting) {
    GTEST_SKIP() << "a named pipe in a folder exists only on Unix; Windows keeps its pipes and "
                    "devices outside the folders, where QFileInfo sees no ordinary file";
}
#endif

TEST_F(PictureWaysTest, AddressesOfThisComputerLoadAndOthersAreRefusedPlainly) {
    const QString path = cellPicture("beach.png");
    // file:///C:/… on Windows, file:///tmp/… here; the same address with a host named.
    const QString address = QUrl::fromLocalFile(path).toString();
    form->Form_CommandLine({QString(address).replace("file://", "file://localhost")});
    settle();
    EXPECT_TRUE(showsCellPicture());
    EXPECT_TRUE(dialogs.messages.empty());

    form->Form_CommandLine({cellPicture("plain.png", 40, 40)});
    settle();
    QMimeData mime;
    mime.setUrls({QUrl(QString(address).replace("file://", "file://LOCALHOST"))});
    EXPECT_TRUE(dropOnWindow(&mime));
    settle();
    EXPECT_TRUE(showsCellPicture());

    for (const QString& elsewhere : {QString(address).replace("file://", "file://pictures.example"),
                                     QStringLiteral("http://tavlora.example/beach.png"),
                                     QStringLiteral("https://tavlora.example/beach.png"),
                                     QStringLiteral("data:image/png;base64,iVBORw0KGgo=")}) {
        SCOPED_TRACE(elsewhere.toStdString());
        form->Form_CommandLine({elsewhere});
        settle();
        expectOneReport(("Cannot load the picture " + elsewhere.toStdString()).c_str(),
                        ": only pictures on this computer can be loaded");
    }
    // An address whose path holds a zero byte names no file, not the file before the zero.
    const QString cutShort = QUrl::fromLocalFile(path).toString() + "%00.txt";
    form->Form_CommandLine({cutShort});
    settle();
    expectOneReport(("Cannot load the picture " + cutShort.toStdString()).c_str(),
                    ": the file was not found");
    EXPECT_TRUE(showsCellPicture());
}

}  // namespace
