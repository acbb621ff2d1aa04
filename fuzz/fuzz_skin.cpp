// x/o.cjs in the program folder reaches SkinFramework::loadSkin; the text it accepts then styles
// the whole window, so the style sheet goes on through Qt's parser and onto a painted window.

#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz/FuzzInput.h"
#include "fuzz/GameLikeWindow.h"
#include "platform/Failure.h"
#include "platform/SkinFramework.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzApplication(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile input(QStringLiteral("skin"));
    const QString& path = input.write(data, size);
    SkinFramework skin;
    try {
        skin.loadSkin(path, QString());
    } catch (const Failure& failure) {
        // Refusing a file is what the loader is for.
        noteRefusal(u"refused", failure.description(), path);
        return 0;
    }
    const std::unique_ptr<QWidget> window = gamelike::buildWindow();
    skin.applyWindow(window.get());
    window->grab();
    // The window keeps its size; which sizes the skin gave its controls tells skins apart.
    const QWidget* button = window->findChild<QPushButton*>();
    const QWidget* frame = window->findChild<QGroupBox*>();
    const QChar sizeClasses[] = {sizeClass(button->width()), sizeClass(button->height()),
                                 sizeClass(frame->width()), sizeClass(frame->height())};
    noteOutcome(u"painted", QStringView(sizeClasses, 4));
    return 0;
}
