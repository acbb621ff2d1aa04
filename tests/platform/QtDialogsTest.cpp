#include "platform/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "tests/support/TestFiles.h"

namespace {

// Qt's file dialog writes its history into the user's settings whenever one closes, and ours keep
// the last folder; every settings file of this program goes into a temporary folder instead.
class SettingsInTemporaryFolder : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

private:
    QTemporaryDir folder_;
};
const auto* const settingsEnvironment =
    ::testing::AddGlobalTestEnvironment(new SettingsInTemporaryFolder);

// Waits for the modal file dialog, notes into `visit` what it shows, then lets `answer` close it.
struct FileBoxVisit {
    QString folder;
    QString title;
    QStringList filters;   // as the "Files of type" list shows them
    QStringList patterns;  // what the box filters on
};

void answerFileBox(FileBoxVisit& visit, const std::function<void(QFileDialog&)>& answer) {
    auto* poll = new QTimer;
    QElapsedTimer waited;
    waited.start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [&visit, waited, poll, answer] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (box == nullptr && waited.elapsed() < 2000) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (box != nullptr) {
            visit.folder = box->directory().absolutePath();
            visit.title = box->windowTitle();
            if (auto* types = box->findChild<QComboBox*>("fileTypeCombo")) {
                for (int i = 0; i < types->count(); ++i) {
                    visit.filters << types->itemText(i);
                }
            }
            if (auto* model = box->findChild<QFileSystemModel*>()) {
                visit.patterns = model->nameFilters();
            }
            answer(*box);
        }
    });
    poll->start();
}

void cancel(QFileDialog& box) {
    box.reject();
}

// Types the path and presses Return, as a player would; typing at once races the file model.
std::function<void(QFileDialog&)> choose(const QString& path) {
    return [path](QFileDialog& box) {
        QTimer::singleShot(100, &box, [&box, path] {
            auto* name = box.findChild<QLineEdit*>("fileNameEdit");
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
    };
}

TEST(FileFilter, ProgramFiltersBecomeQtFiltersWhosePatternsQtReads) {
    EXPECT_EQ(toQtFileFilter("Text|*.txt; *.log|Everything|*.*"),
              "Text (*.txt *.log);;Everything (*.*)");
    EXPECT_EQ(toQtFileFilter("Bitmaps (Windows)|*.bmp"), "Bitmaps (Windows) (*.bmp)");
    EXPECT_EQ(toQtFileFilter("*.png;*.gif"), "*.png;*.gif (*.png *.gif)");
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

// The name box and a message box over the game: the compositor is told they belong to it, and
// where Qt draws the title bar itself (under Wayland) each is wide enough for its whole title
// between the bar's buttons, which sit on one side of the centred title.
TEST(QtDialogsBox, BoxesBelongToTheGameAndShowTheirWholeTitle) {
    QWidget game;
    game.resize(300, 200);
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    QtDialogs dialogs(&game);
    const bool titleBarOfOurOwn = QGuiApplication::platformName().startsWith("wayland");
    struct Shown {
        QString title;
        int width = 0;
        int titleWidth = 0;
        QWindow* owner = nullptr;
    };
    const auto answer = [](Shown& shown) {
        QTimer::singleShot(0, [&shown] {
            (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; },
                                  2000);
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) {
                return;
            }
            (void)QTest::qWaitForWindowExposed(box);
            shown.title = box->windowTitle();
            shown.width = box->width();
            shown.titleWidth = box->fontMetrics().horizontalAdvance(shown.title);
            shown.owner = box->windowHandle()->transientParent();
            box->close();
        });
    };
    Shown name;
    answer(name);
    dialogs.askText("Enter your name:", "High Scores", "");
    Shown message;
    answer(message);
    dialogs.showMessage("Game over", "A title rather longer than its message", MessageIcon::None);
    for (const Shown* shown : {&name, &message}) {
        SCOPED_TRACE(shown->title.toStdString());
        EXPECT_EQ(shown->owner, game.windowHandle());
        if (titleBarOfOurOwn) {
            EXPECT_GE(shown->width, shown->titleWidth + 2 * (3 * 23 + 8));
        }
    }
    EXPECT_EQ(name.title, "High Scores");
}

TEST(QtDialogsFileBox, ListsThePictureFilterAsWrittenAndFiltersOnItsFivePatterns) {
    FileBoxVisit visit;
    answerFileBox(visit, cancel);
    QtDialogs dialogs;
    dialogs.chooseOpenFile(
        "Pictures",
        "All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)|*.bmp;*.dib;*.gif;*.jpeg;*.jpg");
    EXPECT_EQ(visit.filters, QStringList{"All Pictures Files (*.bmp;*.dib;*.gif;*.jpeg;*.jpg)"});
    EXPECT_EQ(visit.patterns, QStringList({"*.bmp", "*.dib", "*.gif", "*.jpeg", "*.jpg"}));
}

TEST(QtDialogsFileBox, OpensInStockPicturesUntilThePlayerChoosesAFileElsewhere) {
    QTemporaryDir root;
    const QString stock = root.filePath("pictures");
    const QString own = root.filePath("own pictures");
    ASSERT_TRUE(QDir().mkpath(stock) && QDir().mkpath(own));
    testfiles::writeCellPicture(own + "/cat.jpg", 40, 40, "JPEG");
    const std::string title = "Add File(s) - Use Ctrl & Shift to select multiple files";
    const std::string filter = "Pictures (*.jpg)|*.jpg";

    auto ask = [&](QtDialogs& dialogs, const std::function<void(QFileDialog&)>& answer,
                   std::string* chosen = nullptr) {
        FileBoxVisit visit;
        answerFileBox(visit, answer);
        const std::string result = dialogs.chooseOpenFile(title, filter);
        if (chosen != nullptr) {
            *chosen = result;
        }
        return visit;
    };

    QtDialogs dialogs;
    dialogs.setFirstFolder(stock);
    // A cancelled box does not count as a choice.
    for (int k = 0; k < 2; ++k) {
        std::string chosen = "unset";
        const FileBoxVisit visit = ask(dialogs, cancel, &chosen);
        EXPECT_EQ(visit.folder, stock);
        EXPECT_EQ(chosen, "");
        EXPECT_EQ(visit.title.toStdString(), title);
        EXPECT_EQ(visit.filters, QStringList{"Pictures (*.jpg)"});
        EXPECT_EQ(visit.patterns, QStringList{"*.jpg"});
    }

    std::string chosen;
    ask(dialogs, choose(own + "/cat.jpg"), &chosen);
    EXPECT_EQ(chosen, (own + "/cat.jpg").toStdString());
    EXPECT_EQ(ask(dialogs, cancel).folder, own);

    // Remembered from run to run.
    QtDialogs afterRestart;
    afterRestart.setFirstFolder(stock);
    EXPECT_EQ(ask(afterRestart, cancel).folder, own);

    // A remembered folder that is gone gives way to the stock pictures again.
    ASSERT_TRUE(QDir(own).removeRecursively());
    EXPECT_EQ(ask(afterRestart, cancel).folder, stock);
}

}  // namespace
