#include "game/window/WindowLook.h"

#include <algorithm>

#include <QAccessible>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>

#include "game/window/ValueBoxAccessible.h"
#include "platform/FrameStyle.h"

int px(int twips) {
    return twips / 15;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

QFont arialFont(double points, bool bold) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sansSerifFont(double points) {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void place(QWidget* widget, QRect geometry) {
    const QWidget* parent = widget->parentWidget();
    if (parent != nullptr && parent->isRightToLeft()) {
        geometry.moveLeft(parent->width() - geometry.left() - geometry.width());
    }
    widget->setGeometry(geometry);
}

void paintWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(widget->backgroundRole(), Qt::white);  // option buttons fill with Button
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* makeFrame(QWidget* parent, const QString& caption, QRect geometry) {
    auto* box = new QGroupBox(caption, parent);
    box->setStyle(frameStyle());
    place(box, geometry);
    paintWhite(box);
    box->setMouseTracking(true);
    return box;
}

QFont fittingFace(QFont font, int height) {
    // A line edit centres the taller of the face's line and its text's bounds.
    const auto fits = [height](const QFont& face) {
        const QFontMetrics metrics(face);
        return std::max(metrics.height(),
                        metrics.boundingRect(QStringLiteral("0123456789:.")).height()) <= height;
    };
    if (fits(font)) {
        return font;
    }
    QStringList faces = QFontDatabase::systemFont(QFontDatabase::GeneralFont).families();
    faces += QFontDatabase::families(QFontDatabase::Latin);
    for (const QString& face : faces) {
        QFont candidate = font;
        candidate.setFamilies({face});
        if (!QFontDatabase::isFixedPitch(face) && fits(candidate)) {
            return candidate;
        }
    }
    return font;
}

QLineEdit* makeValueBox(QGroupBox* parent, const char* text, const QFont& wanted) {
    const QRect geometry = twipsRect(135, 270, 1995, 435);
    const QFont font = fittingFace(wanted, geometry.height());
    // A line edit lays out its first, empty text in the application's font before it takes any
    // font of its own, and that face would stay loaded for the whole run although no text of the
    // window is ever drawn in it. The box is made while its own font is the application's.
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(font);
    auto* box = new QLineEdit(parent);
    box->setProperty("valueBox", true);  // before anything makes its accessible interface
    QGuiApplication::setFont(applicationFont);
    box->setFont(font);
    box->setText(text);
    place(box, geometry);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    paintWhite(box);
    return box;
}
