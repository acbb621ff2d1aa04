#include "shell/WindowSkin.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include "platform/SkinFramework.h"
#include "shell/ProgramFolder.h"

namespace {

void paintBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    // Buttons draw their surface from their own background role, which need not be Window.
    palette.setColor(widget.backgroundRole(), colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool takesButtonFace(const QWidget* widget) {
    // Picture and tile labels are image controls, which keep the colours of the layout.
    if (widget->property("imageControl").toBool()) {
        return false;
    }
    return qobject_cast<const QRadioButton*>(widget) != nullptr ||
           qobject_cast<const QCheckBox*>(widget) != nullptr ||
           qobject_cast<const QGroupBox*>(widget) != nullptr ||
           qobject_cast<const QLabel*>(widget) != nullptr;
}

}  // namespace

void applyWindowSkin(QWidget& window, SkinFramework& skin) {
    const QString path = programFolderPath(kSkinFileName);
    // Only a plain file is a skin; a folder of that name is not.
    if (!QFileInfo(path).isFile()) {
        return;
    }

    // The platform's button face, looked up now so a skin follows the desktop's own scheme.
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    paintBackground(window, buttonFace);
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (takesButtonFace(control)) {
            paintBackground(*control, buttonFace);
        }
    }

    skin.loadSkin(path, QString());
    skin.setOptions(skin.options() | 1);
    skin.setApplyColors(true);
    skin.setApplyMetrics(true);
    skin.applyWindow(&window);
}
