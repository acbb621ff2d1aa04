#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "game/window/Fonts.h"
#include "tests/desktop/LoadedWindow.h"

namespace {

// As in main: once, before any window or font is made. Qt keeps a font once resolved, so a later
// call would not reach fonts that earlier tests of this program have used.
class FontsAsInMain : public ::testing::Environment {
public:
    void SetUp() override { substituteMissingFonts(); }
};
const auto* const fontsEnvironment = ::testing::AddGlobalTestEnvironment(new FontsAsInMain);

// On a machine whose fontconfig answers a missing face with a monospaced one (a bare Debian with
// only Liberation fonts), this fails without the substitutions.
TEST(FreshMachineFonts, EveryBoxAndTheDialogsUseProportionalFaces) {
    LoadedWindow window;
    int checked = 0;
    for (QWidget* widget : window.form().findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QLabel*>(widget) ||
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget)) {
            SCOPED_TRACE(widget->objectName().toStdString() + " asks for " +
                         widget->font().family().toStdString());
            EXPECT_FALSE(widget->fontInfo().fixedPitch())
                << widget->fontInfo().family().toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 10);
    // Message boxes and the file dialog use the application's font.
    EXPECT_FALSE(QFontInfo(QApplication::font()).fixedPitch());
}

}  // namespace
