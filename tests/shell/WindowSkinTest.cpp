#include "shell/WindowSkin.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "platform/Failure.h"
#include "platform/SkinFramework.h"
#include "shell/ProgramFolder.h"
#include "tests/support/TestFiles.h"

namespace {

// Passes every call on to the real skin and notes it, so both order and effect can be checked.
class RecordingSkin : public SkinFramework {
public:
    void loadSkin(const QString& path, const QString& section) override {
        calls << QStringLiteral("loadSkin %1 [%2]").arg(path, section);
        SkinFramework::loadSkin(path, section);
    }
    int options() const override {
        calls << QStringLiteral("options");
        return SkinFramework::options();
    }
    void setOptions(int value) override {
        calls << QStringLiteral("setOptions %1").arg(value);
        SkinFramework::setOptions(value);
    }
    void setApplyColors(bool on) override {
        calls << QStringLiteral("setApplyColors %1").arg(on);
        SkinFramework::setApplyColors(on);
    }
    void setApplyMetrics(bool on) override {
        calls << QStringLiteral("setApplyMetrics %1").arg(on);
        SkinFramework::setApplyMetrics(on);
    }
    void applyWindow(QWidget* window) override {
        calls << QStringLiteral("applyWindow %1").arg(window->objectName());
        SkinFramework::applyWindow(window);
    }

    mutable QStringList calls;
};

QColor backgroundOf(const QWidget* widget) {
    return widget->palette().color(widget->backgroundRole());
}

// A window laid out the way the game's is: white surfaces everywhere, image labels among them.
struct SkinnableWindow {
    SkinnableWindow() {
        window.setObjectName("Form1");
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : std::initializer_list<QWidget*>{label, picture, frame, button, text}) {
            layout->addWidget(w);
        }
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->addWidget(option);
        frameLayout->addWidget(check);
        picture->setProperty("imageControl", true);
        for (QWidget* w : everything()) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::Window, Qt::white);
            palette.setColor(w->backgroundRole(), Qt::white);
            w->setPalette(palette);
            w->setAutoFillBackground(true);
        }
    }

    std::vector<QWidget*> everything() {
        return {&window, label, picture, frame, option, check, button, text};
    }

    QWidget window;
    QLabel* label = new QLabel("Moves");
    QLabel* picture = new QLabel;
    QGroupBox* frame = new QGroupBox("Game Type");
    QRadioButton* option = new QRadioButton("Slide");
    QCheckBox* check = new QCheckBox("Sound");
    QPushButton* button = new QPushButton("Load Picture");
    QLineEdit* text = new QLineEdit("0");
};

class WindowSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        setProgramFolderOverride(temp.path());
        // A button face unlike the window colour, so mixing up the two roles shows.
        originalPalette = QApplication::palette();
        QPalette palette = originalPalette;
        palette.setColor(QPalette::Button, QColor(0x9a, 0xb0, 0xc4));
        palette.setColor(QPalette::Window, QColor(0xee, 0xe8, 0xd5));
        QApplication::setPalette(palette);
        skin.setOptions(4);
        skin.calls.clear();
    }
    void TearDown() override {
        setProgramFolderOverride(QString());
        QApplication::setPalette(originalPalette);
    }

    QString writeSkin(const QByteArray& content) {
        EXPECT_TRUE(QDir(temp.path()).mkpath("x"));
        const QString path = temp.filePath("x/o.cjs");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    void expectAllWhite() {
        for (QWidget* w : form.everything()) {
            EXPECT_EQ(backgroundOf(w), QColor(Qt::white)) << w->metaObject()->className();
        }
    }

    QTemporaryDir temp;
    QPalette originalPalette;
    SkinnableWindow form;
    RecordingSkin skin;
};

TEST_F(WindowSkinTest, WithoutSkinFileNothingChangesAndSkinIsNeverCalled) {
    applyWindowSkin(form.window, skin);
    // An empty skin folder is no skin either.
    ASSERT_TRUE(QDir(temp.path()).mkpath("x"));
    applyWindowSkin(form.window, skin);

    expectAllWhite();
    EXPECT_TRUE(skin.calls.isEmpty()) << skin.calls.join(", ").toStdString();
}

TEST_F(WindowSkinTest, FolderNamedLikeSkinIsNotASkin) {
    ASSERT_TRUE(QDir(temp.path()).mkpath("x/o.cjs"));
    applyWindowSkin(form.window, skin);

    expectAllWhite();
    EXPECT_TRUE(skin.calls.isEmpty()) << skin.calls.join(", ").toStdString();
}

TEST_F(WindowSkinTest, PresentSkinTurnsPlainControlsToButtonFaceThenLoadsAndApplies) {
    const QByteArray sheet = "QPushButton { color: rgb(1, 2, 3); }";
    const QString path = writeSkin(sheet);
    applyWindowSkin(form.window, skin);

    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (QWidget* w :
         {&form.window, static_cast<QWidget*>(form.label), static_cast<QWidget*>(form.frame),
          static_cast<QWidget*>(form.option), static_cast<QWidget*>(form.check)}) {
        EXPECT_EQ(backgroundOf(w), buttonFace) << w->metaObject()->className();
        EXPECT_EQ(w->palette().color(QPalette::Window), buttonFace) << w->metaObject()->className();
    }
    for (QWidget* w : {static_cast<QWidget*>(form.picture), static_cast<QWidget*>(form.button),
                       static_cast<QWidget*>(form.text)}) {
        EXPECT_EQ(backgroundOf(w), QColor(Qt::white)) << w->metaObject()->className();
    }

    const QStringList expected = {
        QStringLiteral("loadSkin %1 []").arg(programFolderPath(kSkinFileName)),
        "options",
        "setOptions 5",
        "setApplyColors 1",
        "setApplyMetrics 1",
        "applyWindow Form1",
    };
    EXPECT_EQ(skin.calls, expected);
    EXPECT_EQ(programFolderPath(kSkinFileName), path);
    EXPECT_EQ(form.window.styleSheet(), QString::fromUtf8(sheet));

    // The colour really paints, style sheet and all.
    form.window.resize(300, 400);
    const QImage shot = form.label->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 1, shot.height() - 1)), buttonFace);
}

TEST_F(WindowSkinTest, RefusedSkinFailsAfterColoursChangedAndColoursStay) {
    const QString path = writeSkin(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18));
    try {
        applyWindowSkin(form.window, skin);
        FAIL() << "a binary skin was accepted";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.description().starts_with("Cannot load the skin " +
                                                      testfiles::nativePath(path)))
            << failure.description();
    }

    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(backgroundOf(&form.window), buttonFace);
    EXPECT_EQ(backgroundOf(form.label), buttonFace);
    EXPECT_EQ(skin.calls.size(), 1);
    EXPECT_TRUE(form.window.styleSheet().isEmpty());
}

}  // namespace
