#include "platform/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

TEST(FileFilter, ProgramFiltersBecomeQtFiltersWhosePatternsQtReads) {
    const std::string pictures =
        "All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)|*.bmp;*.dib;*.gif;*.jpeg;*.jpg";
    const QString converted = toQtFileFilter(pictures);
    EXPECT_EQ(converted, "All Pictures Files (*.bmp *.dib *.gif *.jpeg *.jpg)");

    // Qt's own dialog must pick exactly these patterns out of the converted text.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(converted);
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->nameFilters(), QStringList({"*.bmp", "*.dib", "*.gif", "*.jpeg", "*.jpg"}));

    EXPECT_EQ(toQtFileFilter("Text|*.txt; *.log|Everything|*.*"),
              "Text (*.txt *.log);;Everything (*.*)");
    // A bracket that says something else than the patterns stays in the description.
    EXPECT_EQ(toQtFileFilter("Bitmaps (Windows)|*.bmp"), "Bitmaps (Windows) (*.bmp)");
    EXPECT_EQ(toQtFileFilter("*.png;*.gif"), "(*.png *.gif)");
    // Entries that name no files are left out.
    EXPECT_EQ(toQtFileFilter("Nothing||Pictures|*.png|Dangling"), "Pictures (*.png)");
    EXPECT_EQ(toQtFileFilter(""), "");
}

TEST(DisplayLines, EveryWindowsLineBreakShowsAsOneLine) {
    EXPECT_EQ(toDisplayLines("Overflow\r\nin Form1.Timer1 at line 110\r\rPlease email"),
              "Overflow\nin Form1.Timer1 at line 110\n\nPlease email");
    EXPECT_EQ(toDisplayLines("\r\n\n\r"), "\n\n\n");
}

// Drives the one real box: waits for it to appear, notes what it shows and presses its button.
TEST(QtDialogsBox, MessageShowsPlainTextWithApplicationTitleIconAndOneOkButton) {
    const QString previousName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("Tavlora");

    QString shownText;
    QString shownTitle;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    Qt::TextFormat shownFormat = Qt::AutoText;
    qsizetype buttonCount = 0;
    bool answered = false;

    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (waited.elapsed() > 2000) {
                poll.stop();
            }
            return;
        }
        poll.stop();
        shownText = box->text();
        shownTitle = box->windowTitle();
        shownIcon = box->icon();
        shownFormat = box->textFormat();
        buttonCount = box->buttons().size();
        answered = box->button(QMessageBox::Ok) != nullptr;
        if (answered) {
            box->button(QMessageBox::Ok)->click();
        } else {
            box->reject();
        }
    });
    poll.start();

    QtDialogs dialogs;
    dialogs.showMessage("<b>C:\\pics</b> is gone\r\nat line 110\r\rPlease", "",
                        MessageIcon::Warning);
    QCoreApplication::setApplicationName(previousName);

    EXPECT_TRUE(answered);
    EXPECT_EQ(shownText, "<b>C:\\pics</b> is gone\nat line 110\n\nPlease");
    EXPECT_EQ(shownTitle, "Tavlora");
    EXPECT_EQ(shownIcon, QMessageBox::Warning);
    EXPECT_EQ(shownFormat, Qt::PlainText);
    EXPECT_EQ(buttonCount, 1);
}

}  // namespace
