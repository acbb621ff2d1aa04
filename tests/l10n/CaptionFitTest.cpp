#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <vector>

#include "platform/HoverPushButton.h"
#include "platform/Translations.h"
#include "tests/desktop/LoadedWindow.h"
#include "tests/l10n/L10nSupport.h"

namespace {

struct Caption {
    QString text;
    QFont font;
    int room = 0;
};

int roomInFrame(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // A mirrored frame starts its caption at the right, as far in as the left one does.
    const int margin = box->isRightToLeft() ? box->width() - 1 - label.right() : label.left();
    return box->width() - 2 * margin;
}

int roomInButton(const QAbstractButton* button, QStyle::SubElement contents, int margin) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contents, &option, button).width() - margin;
}

// Every caption of the window with the width its control leaves for it; "End Game" is measured
// on the button that shows it during a game.
std::vector<Caption> captionsOf(Form1& form) {
    std::vector<Caption> captions;
    for (const QGroupBox* box : form.findChildren<QGroupBox*>()) {
        captions.push_back({box->title(), box->font(), roomInFrame(box)});
    }
    for (const QRadioButton* option : form.findChildren<QRadioButton*>()) {
        captions.push_back({option->text(), option->font(),
                            roomInButton(option, QStyle::SE_RadioButtonContents, 0)});
    }
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        const int room = roomInButton(button, QStyle::SE_PushButtonContents,
                                      button->style()->pixelMetric(QStyle::PM_ButtonMargin));
        captions.push_back({button->text(), button->font(), room});
        if (button == static_cast<const QPushButton*>(form.PushButton2)) {
            captions.push_back(
                {QCoreApplication::translate("Form1", "End Game"), button->font(), room});
        }
    }
    return captions;
}

// Each control's place as a left-to-right window has it: in a mirrored parent the place, mirrored
// back.
std::vector<QRect> geometriesOf(Form1& form) {
    std::vector<QRect> geometries{form.geometry()};
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        // The window's menu is a window of its own, placed where it opens.
        if (widget->isWindow()) {
            continue;
        }
        QRect place = widget->geometry();
        if (widget->parentWidget()->isRightToLeft()) {
            place.moveLeft(widget->parentWidget()->width() - place.left() - place.width());
        }
        geometries.push_back(place);
    }
    return geometries;
}

}  // namespace

TEST(CaptionFit, EveryCaptionOfEveryLanguageIsDrawnFitsItsControlAndNoControlMoves) {
#ifdef _WIN32
    // Windows has the window's own fonts; without them (Wine has none) not even English would fit.
    if (!QFontDatabase::families().contains(QStringLiteral("Arial"))) {
        GTEST_SKIP() << "Arial, the window's font, is not installed here";
    }
#endif
    std::vector<QRect> english;
    {
        LoadedWindow window;
        english = geometriesOf(window.form());
        for (const Caption& caption : captionsOf(window.form())) {
            ASSERT_LE(QFontMetrics(caption.font).horizontalAdvance(caption.text), caption.room)
                << caption.text.toStdString();
        }
    }
    for (const QString& language : catalogueLanguages()) {
        Translations translations;
        ASSERT_EQ(translations.install(QLocale(language), catalogueFolder()), language);
        LoadedWindow window;
        EXPECT_EQ(window.form().size(), QSize(584, 451));
        EXPECT_EQ(geometriesOf(window.form()), english) << language.toStdString();
        for (const Caption& caption : captionsOf(window.form())) {
            const int width = QFontMetrics(caption.font).horizontalAdvance(caption.text);
            ASSERT_LE(width, caption.room)
                << language.toStdString() << ": \"" << caption.text.toStdString() << "\" needs "
                << width << " px in " << caption.font.toString().toStdString();
            // Drawn in a real face (the font or one Qt falls back to), never as boxes: Chinese,
            // Japanese and Korean need a face of their own installed (scripts/deps.sh).
            for (const char32_t character : caption.text.toUcs4()) {
                ASSERT_TRUE(QChar::isSpace(character) ||
                            QFontMetrics(caption.font).inFontUcs4(character))
                    << language.toStdString() << ": no face has U+" << std::hex
                    << static_cast<unsigned>(character) << " of \"" << caption.text.toStdString()
                    << "\"";
            }
        }
    }
}
