// x/o.cjs in the program folder reaches SkinFramework::loadSkin; the text it accepts then styles
// the whole window, so the style sheet goes on through Qt's parser and onto a painted window.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzInput.h"
#include "platform/Failure.h"
#include "platform/SkinFramework.h"

namespace {

// The kinds of control the main window is made of.
void fillWindow(QWidget& window) {
    auto* layout = new QVBoxLayout(&window);
    auto* frame = new QGroupBox(QStringLiteral("Game Type"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(new QRadioButton(QStringLiteral("Slide")));
    frameLayout->addWidget(new QRadioButton(QStringLiteral("Swap")));
    layout->addWidget(frame);
    layout->addWidget(new QLabel(QStringLiteral("Moves")));
    auto* moves = new QLineEdit(QStringLiteral("0"));
    moves->setReadOnly(true);
    layout->addWidget(moves);
    layout->addWidget(new QPushButton(QStringLiteral("Start Game")));
    window.resize(160, 200);
}

}  // namespace

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
    QWidget window;
    fillWindow(window);
    skin.applyWindow(&window);
    window.grab();
    return 0;
}
