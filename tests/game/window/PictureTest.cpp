#include "tests/game/window/GameFixture.h"

#include <QDir>

namespace {

QColor pictureAt(const QImage& image, double fx, double fy) {
    return image.pixelColor(static_cast<int>(fx * image.width()),
                            static_cast<int>(fy * image.height()));
}

TEST_F(GameTest, LoadPictureAsksWithItsTitleAndFilterAndShowsTheSquare) {
    openWindow();
    loadPicture(400, 400);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title,
              "Add File(s) - Use Ctrl & Shift to select multiple files");
    EXPECT_EQ(dialogs.fileRequests[0].filter,
              "All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)|*.bmp;*.dib;*.gif;*.jpeg;*.jpg");
    const QImage& picture = form->puzzlePicture();
    ASSERT_EQ(picture.size(), QSize(400, 400));
    EXPECT_EQ(pictureAt(picture, 0.1, 0.1), testfiles::cellColor(0));
    EXPECT_EQ(pictureAt(picture, 0.9, 0.9), testfiles::cellColor(15));
    EXPECT_FALSE(form->imgImage->pixmap().isNull());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameTest, WideAndSmallPicturesAreStretchedToTheSquare) {
    openWindow();
    loadPicture(1200, 300);
    const QImage wide = form->puzzlePicture();
    ASSERT_EQ(wide.size(), QSize(400, 400));
    EXPECT_EQ(pictureAt(wide, 0.1, 0.1), testfiles::cellColor(0));
    EXPECT_EQ(pictureAt(wide, 0.9, 0.1), testfiles::cellColor(3));
    EXPECT_EQ(pictureAt(wide, 0.9, 0.9), testfiles::cellColor(15));

    loadPicture(40, 80);  // loading again: only the second picture stays current
    const QImage small = form->puzzlePicture();
    ASSERT_EQ(small.size(), QSize(400, 400));
    EXPECT_EQ(pictureAt(small, 0.6, 0.4), testfiles::cellColor(6));
    EXPECT_EQ(pictureAt(small, 0.1, 0.9), testfiles::cellColor(12));
}

TEST_F(GameTest, CancelAndUnreadableFilesKeepTheCurrentPicture) {
    openWindow();
    click(form->PushButton1);  // cancelled before anything was loaded
    EXPECT_TRUE(form->puzzlePicture().isNull());

    testfiles::writeBytes(folderPath("/notes.jpg"), "just some text, not a picture");
    dialogs.fileReplies.push_back(folderPath("/notes.jpg").toStdString());
    click(form->PushButton1);
    ASSERT_EQ(dialogs.errorReports().size(), 1u);
    EXPECT_NE(dialogs.errorReports()[0].text.find("notes.jpg"), std::string::npos);
    EXPECT_NE(dialogs.errorReports()[0].text.find("PushButton1_Click at line 110"),
              std::string::npos);
    EXPECT_TRUE(form->puzzlePicture().isNull());
    EXPECT_TRUE(form->imgImage->pixmap().isNull());
    click(form->PushButton2);  // still nothing to play with
    EXPECT_EQ(form->PushButton2->text(), "Start Game");

    loadPicture();
    const QImage loaded = form->puzzlePicture();
    click(form->PushButton1);  // cancelled
    dialogs.fileReplies.push_back(folderPath("/missing.png").toStdString());
    click(form->PushButton1);
    EXPECT_EQ(dialogs.errorReports().size(), 2u);
    EXPECT_EQ(form->puzzlePicture(), loaded);
}

// Named as a player on Windows names them (C:\Bilder\Ägäis – Strand.jpg), in the system's own
// form of paths: the picture loads, and a damaged one is reported by that very name.
TEST_F(GameTest, PicturesWithNonAsciiNamesLoadAndAreReportedByTheirName) {
    openWindow();
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Bilder")));
    const QString photo =
        QDir::toNativeSeparators(folderPath(QStringLiteral("/Bilder/Ägäis – Strand.jpg")));
    testfiles::writeCellPicture(photo, 300, 200, "JPEG");
    dialogs.fileReplies.push_back(photo.toStdString());
    click(form->PushButton1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->puzzlePicture().size(), QSize(400, 400));

    const QString damaged =
        QDir::toNativeSeparators(folderPath(QStringLiteral("/Bilder/Ägäis – Sturm.gif")));
    testfiles::writeBytes(damaged, "GIF89a and nothing more");
    dialogs.fileReplies.push_back(damaged.toStdString());
    click(form->PushButton1);
    ASSERT_EQ(dialogs.errorReports().size(), 1u);
    EXPECT_NE(dialogs.errorReports()[0].text.find("Cannot load the picture " +
                                                  testfiles::nativePath(damaged) + ": "),
              std::string::npos)
        << dialogs.errorReports()[0].text;
}

}  // namespace
