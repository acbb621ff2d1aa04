#include "platform/QtDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <utility>

#include "platform/HeldKeyGuard.h"

namespace {

constexpr const char* kLastFolderKey = "FileBox/lastFolder";

QSettings userSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Tavlora"), QStringLiteral("Tavlora"));
}

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
    const QString last = userSettings().value(kLastFolderKey).toString();
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
    box.button(QMessageBox::Ok)->setAccessibleDescription(takeNote());
    box.exec();
}

std::string QtDialogs::askText(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) {
    // QInputDialog::getText's box, made here so its text field can carry the note.
    QInputDialog box(parent_);
    box.setWindowTitle(titleOrApplication(title));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultText));
    box.setInputMode(QInputDialog::TextInput);
    if (auto* field = box.findChild<QLineEdit*>()) {
        field->setAccessibleDescription(takeNote());
    }
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

QString QtDialogs::takeNote() {
    return std::exchange(note_, QString());
}

std::string QtDialogs::chooseOpenFile(const std::string& title, const std::string& filter) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent_, titleOrApplication(title), startFolder(), toQtFileFilter(filter), nullptr,
        QFileDialog::HideNameFilterDetails);
    if (!chosen.isEmpty()) {
        userSettings().setValue(kLastFolderKey, QFileInfo(chosen).absolutePath());
    }
    return chosen.toStdString();
}
