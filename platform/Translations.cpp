#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

// A catalogue of the game's few hundred texts is a few kilobytes; anything near this is not one.
constexpr qint64 kLargestCatalogue = 1024 * 1024;

constexpr unsigned char kSignature[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                          0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr unsigned char kHashesTag = 0x42;
constexpr unsigned char kMessagesTag = 0x69;
constexpr unsigned char kLanguageTag = 0xa7;
constexpr qsizetype kBlockHeader = 5;

// Every catalogue of ours translates this, with the language's own name; a catalogue of another
// program does not.
const char* const kMarkerContext = "Translations";
const char* const kMarkerSource = QT_TRANSLATE_NOOP("Translations", "English");

// Locale names come from the environment. Only a plain name ("pt-BR", "sr_Latn_RS") may become
// part of a file name; anything else (a path, stray bytes, a page of text) is passed over.
bool isPlainLanguageName(const QString& name) {
    // A language of 2 to 8 letters, then up to four parts of 1 to 8 letters or digits, each after
    // a '-' or '_' ("pt-BR", "sr_Latn_RS").
    const auto isLetter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    qsizetype part = 0;
    qsizetype length = 0;
    for (const QChar c : name) {
        if (c == u'-' || c == u'_') {
            if ((part == 0 && length < 2) || length == 0 || ++part > 4) {
                return false;
            }
            length = 0;
        } else if (isLetter(c) || (part > 0 && isDigit(c))) {
            if (++length > 8) {
                return false;
            }
        } else {
            return false;
        }
    }
    return part == 0 ? length >= 2 : length > 0;
}

bool isEnglish(const QString& name) {
    const QString language = name.section(u'_', 0, 0).toLower();
    return language == u"en" || language == u"c" || language == u"posix";
}

// "pt_Latn_BR", then "pt_Latn", then "pt".
QStringList fallbacksOf(QString name) {
    QStringList names;
    while (!name.isEmpty()) {
        names << name;
        const qsizetype cut = name.lastIndexOf(u'_');
        name = cut > 0 ? name.left(cut) : QString();
    }
    return names;
}

quint32 bigEndian32(const QByteArray& data, qsizetype at) {
    quint32 value = 0;
    for (qsizetype i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(data[at + i]);
    }
    return value;
}

}  // namespace

bool isWholeCatalogue(const QByteArray& data) {
    const auto signatureSize = static_cast<qsizetype>(sizeof kSignature);
    if (data.size() < signatureSize ||
        QByteArray::fromRawData(reinterpret_cast<const char*>(kSignature), signatureSize) !=
            data.first(signatureSize)) {
        return false;
    }
    bool hashes = false;
    bool messages = false;
    bool language = false;
    qsizetype at = signatureSize;
    while (at < data.size()) {
        if (data.size() - at < kBlockHeader) {
            return false;
        }
        const auto tag = static_cast<unsigned char>(data[at]);
        const quint32 length = bigEndian32(data, at + 1);
        if (length > static_cast<quint64>(data.size() - at - kBlockHeader)) {
            return false;
        }
        hashes = hashes || tag == kHashesTag;
        messages = messages || tag == kMessagesTag;
        language = language || tag == kLanguageTag;
        at += kBlockHeader + static_cast<qsizetype>(length);
    }
    return hashes && messages && language;
}

Translations::~Translations() {
    remove();
}

QString Translations::install(const QStringList& uiLanguages, const QString& folder) {
    remove();
    for (const QString& uiLanguage : uiLanguages) {
        if (!isPlainLanguageName(uiLanguage)) {
            continue;
        }
        const QString name = QString(uiLanguage).replace(u'-', u'_');
        if (isEnglish(name)) {
            return {};
        }
        for (const QString& candidate : fallbacksOf(name)) {
            if (loadGameCatalogue(folder + QStringLiteral("/tavlora_") + candidate +
                                  QStringLiteral(".qm"))) {
                language_ = candidate;
                loadQtCatalogue(candidate);
                QCoreApplication::installTranslator(game_.get());
                installed_ = true;
                previousDefault_ = QLocale();
                QLocale::setDefault(numberLocale());
                return language_;
            }
        }
    }
    return {};
}

void Translations::remove() {
    if (!installed_) {
        return;
    }
    QLocale::setDefault(previousDefault_);
    game_.reset();
    qt_.reset();
    gameData_.clear();
    language_.clear();
    installed_ = false;
}

QLocale Translations::numberLocale() const {
    return language_.isEmpty() ? QLocale::c() : QLocale(language_);
}

bool Translations::loadGameCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestCatalogue) {
        return false;
    }
    // Exactly what the file holds: the bytes are kept for the whole run.
    QByteArray data = file.read(file.size());
    if (!isWholeCatalogue(data)) {
        return false;
    }
    // QTranslator reads the catalogue in place, so the bytes live as long as it does.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(reinterpret_cast<const uchar*>(data.constData()),
                          static_cast<int>(data.size())) ||
        translator->translate(kMarkerContext, kMarkerSource).isEmpty()) {
        return false;
    }
    gameData_ = std::move(data);
    game_ = std::move(translator);
    return true;
}

void Translations::loadQtCatalogue(const QString& language) {
    // Qt's dialogs speak the window's language or stay English; a missing catalogue is no failure.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& candidate : fallbacksOf(language)) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_") + candidate, folder)) {
            qt_ = std::move(translator);
            QCoreApplication::installTranslator(qt_.get());
            return;
        }
    }
}
