#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace {

const QString kCatalogue = QStringLiteral("tavlora");
const QString kPrefix = QStringLiteral("_");
const QString kSuffix = QStringLiteral(".qm");

// Every catalogue of ours translates this, with the language's own name; a catalogue of another
// program does not.
const char* const kMarkerContext = "Translations";
const char* const kMarkerSource = QT_TRANSLATE_NOOP("Translations", "English");

// QTranslator opens whatever it finds under a catalogue's name that is not a folder, and opening
// or reading a named pipe or a device can wait without end. Any such entry named as Qt may look
// for (tavlora, tavlora_..., tavlora.qm) keeps the game English rather than hand Qt the folder.
bool onlyRegularCatalogues(const QString& folder) {
    // Compared by hand: a name filter would compile a regular expression for one prefix.
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.fileName().startsWith(kCatalogue) && entry.exists() && !entry.isDir() &&
            !entry.isFile()) {
            return false;
        }
    }
    return true;
}

bool isEnglish(const QString& language) {
    return language.isEmpty() || QLocale(language).language() == QLocale::English;
}

// An environment that names no messages locale is C on Unix. Windows sets none of these
// variables: there the user's language is the system's (QLocale::system() reads it from the
// user's settings), and only a variable that really says C or POSIX means English.
bool isMessagesLocaleC() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) {
            return value == "C" || value == "POSIX";
        }
    }
#ifdef Q_OS_WIN
    return false;
#else
    return true;
#endif
}

}  // namespace

QLocale desktopLanguage() {
    return isMessagesLocaleC() ? QLocale::c() : QLocale::system();
}

Translations::~Translations() {
    remove();
}

QString Translations::install(const QLocale& desktop, const QString& folder) {
    remove();
    if (!onlyRegularCatalogues(folder)) {
        return {};
    }
    auto game = std::make_unique<QTranslator>();
    if (!game->load(desktop, kCatalogue, kPrefix, folder, kSuffix) || isEnglish(game->language()) ||
        game->translate(kMarkerContext, kMarkerSource).isEmpty()) {
        return {};
    }
    game_ = std::move(game);
    language_ = game_->language();
    // Taken before any catalogue is installed: installing Qt's lets Qt set the direction itself.
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    // Qt's dialogs speak the window's language or stay English; a missing catalogue is no failure.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language_), QStringLiteral("qtbase"), kPrefix,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath), kSuffix)) {
        qt_ = std::move(qt);
        QCoreApplication::installTranslator(qt_.get());
    }
    QCoreApplication::installTranslator(game_.get());
    installed_ = true;
    previousDefault_ = QLocale();
    QLocale::setDefault(numberLocale());
    // A window in Arabic, Hebrew or Persian is mirrored. The direction is set here rather than left
    // to Qt's own catalogue (which says so too, once its language change is delivered), so the
    // window is laid out mirrored from its first control, and even where Qt's catalogue is missing.
    // A left-to-right language leaves the direction alone (Qt's -reverse still works for
    // developers).
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application != nullptr && QLocale(language_).textDirection() == Qt::RightToLeft) {
        previousDirection_ = direction;
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        mirrored_ = true;
    }
    return language_;
}

void Translations::remove() {
    if (!installed_) {
        return;
    }
    QLocale::setDefault(previousDefault_);
    // The direction goes back once the translators are gone: removing Qt's catalogue makes Qt
    // look at the language's direction again.
    game_.reset();
    qt_.reset();
    if (mirrored_) {
        QGuiApplication::setLayoutDirection(previousDirection_);
        mirrored_ = false;
    }
    language_.clear();
    installed_ = false;
}

QLocale Translations::numberLocale() const {
    return language_.isEmpty() ? QLocale::c() : QLocale(language_);
}
