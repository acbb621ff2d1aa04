#include "platform/QtDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <utility>
#include "platform/AppIdentity.h"

#include "platform/HeldKeyGuard.h"
#include "platform/ReaderNotice.h"
#include "platform/UserSettings.h"

namespace {

// How long after the file box closes the window manager has surely moved the keyboard back.
constexpr int kBoxGoneMs = 300;

// Under X some window managers (Openbox, for one) hand the keyboard back to the game's window
// while Qt still counts the closing box as open, and Qt then never counts the game's window active
// again: keys still reach it, but screen readers ignore a window that is not active, so a blind
// player hears nothing more. When no window of the game is active once the box has gone, the
// game's window is made active again. (QWidget::activateWindow cannot: the window already has the
// keyboard, so the window manager does nothing.) Elsewhere the system alone decides.
void reclaimActivation(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    QTimer::singleShot(kBoxGoneMs, window, [window] {
        if (QApplication::activeWindow() == nullptr && window->isVisible()) {
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(window);
            QT_WARNING_POP
        }
    });
}

constexpr const char* kLastFolderKey = "FileBox/lastFolder";

QString titleOrApplication(const std::string& title) {
    return title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
}

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QStringList splitPatterns(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(QRegularExpression(QStringLiteral("[; ]")))) {
        if (!pattern.trimmed().isEmpty()) {
            result << pattern.trimmed();
        }
    }
    return result;
}

// Where the program draws its own title bar (Qt's decorations under Wayland), the title is centred
// on the bar, beside the close, maximize and minimize buttons on one side, and is cut where the
// box is narrower than the title with that room on both sides.
int widthForTitle(const QWidget& box, const QString& title) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return 0;
    }
    constexpr int kTitleBarButtons = 3 * 23 + 8;
    constexpr int kTitleMargin = 8;
    return box.fontMetrics().horizontalAdvance(title) + 2 * (kTitleBarButtons + kTitleMargin);
}

}  // namespace

QString toQtFileFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(u'|');
    // A filter without any '|' is a bare pattern list; an unpaired description at the end names
    // no files and is dropped.
    if (parts.size() == 1) {
        parts.prepend(QString());
    }
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = splitPatterns(parts[i + 1]);
        if (patterns.isEmpty()) {
            continue;
        }
        // The dialog shows the description exactly as written and hides the bracket after it,
        // from which Qt reads the patterns (it takes the last bracket, split at blanks).
        QString description = parts[i].trimmed();
        if (description.isEmpty()) {
            description = parts[i + 1].trimmed();
        }
        entries << description + QStringLiteral(" (") + patterns.join(u' ') + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

QString toDisplayLines(const std::string& text) {
    QString lines = QString::fromStdString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines;
}

QtDialogs::QtDialogs(QWidget* parent)
    : parent_(parent), firstFolder_(QCoreApplication::applicationDirPath() + "/pictures") {
    // A key still held from before a box opened must not answer it.
    HeldKeyGuard::install();
}

QString QtDialogs::startFolder() const {
    const auto settings = openUserSettings();
    const QString last = settings ? settings->value(kLastFolderKey).toString() : QString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    return QFileInfo(firstFolder_).isDir() ? firstFolder_ : QString();
}

void QtDialogs::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(toQtIcon(icon), titleOrApplication(title), toDisplayLines(text),
                    QMessageBox::Ok, parent_);
    // Descriptions carry file names, which must never be taken for markup.
    box.setTextFormat(Qt::PlainText);
    // A message box sizes itself to what its layout holds, so the room for the title goes there.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        if (const int width = widthForTitle(box, box.windowTitle()); width > 0) {
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                          grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    box.button(QMessageBox::Ok)->setAccessibleDescription(takeNote());
    box.exec();
}

std::string QtDialogs::askText(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) {
    QInputDialog box(parent_);
    box.setWindowTitle(titleOrApplication(title));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultText));
    // The box keeps to its layout's size, so the room for the title goes to the field, which
    // also carries the note for screen readers.
    auto* field = box.findChild<QLineEdit*>();
    if (const int width = widthForTitle(box, box.windowTitle()); width > 0 && field != nullptr) {
        const int margins = box.style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &box) +
                            box.style()->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &box);
        field->setMinimumWidth(width - margins);
    }
    if (field != nullptr) {
        field->setAccessibleDescription(takeNote());
    }
    const bool accepted = box.exec() == QDialog::Accepted;
    return accepted ? box.textValue().toStdString() : std::string();
}

void QtDialogs::tellNoteNow() {
    tellReaders(takeNote().toStdString());
}

void QtDialogs::tellReaders(const std::string& text) {
    QWidget* window = parent_ != nullptr ? parent_->window() : QApplication::activeWindow();
    tellScreenReaders(window, QString::fromStdString(text));
}

QString QtDialogs::takeNote() {
    return std::exchange(note_, QString());
}

std::string QtDialogs::chooseOpenFile(const std::string& title, const std::string& filter) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent_, titleOrApplication(title), startFolder(), toQtFileFilter(filter), nullptr,
        QFileDialog::HideNameFilterDetails);
    if (!chosen.isEmpty()) {
        if (const auto settings = openUserSettings()) {
            settings->setValue(kLastFolderKey, QFileInfo(chosen).absolutePath());
        }
        if (parent_ != nullptr) {
            reclaimActivation(parent_->window());
        }
    }
    return chosen.toStdString();
}
