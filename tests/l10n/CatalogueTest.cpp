#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <vector>

#include "platform/Translations.h"
#include "tests/l10n/L10nSupport.h"

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations;  // one, or one per plural form
    QString type;              // "unfinished", "vanished", "obsolete", or empty when done
};

// The text of the element the reader stands on; lupdate writes a carriage return as
// <byte value="xd"/>.
QString elementText(QXmlStreamReader& reader) {
    QString text;
    const QString name = reader.name().toString();
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isStartElement() && reader.name() == u"byte") {
            text += QChar(reader.attributes().value("value").mid(1).toUInt(nullptr, 16));
        } else if (reader.isEndElement() && reader.name() == name) {
            break;
        }
    }
    return text;
}

Message readMessage(QXmlStreamReader& reader, const QString& context) {
    Message message{context, {}, {}, {}};
    while (reader.readNextStartElement()) {
        if (reader.name() == u"source") {
            message.source = elementText(reader);
        } else if (reader.name() == u"translation") {
            message.type = reader.attributes().value("type").toString();
            bool plural = false;
            while (!reader.atEnd()) {
                reader.readNext();
                if (reader.isStartElement() && reader.name() == u"numerusform") {
                    plural = true;
                    message.translations << elementText(reader);
                } else if (reader.isCharacters() && !plural) {
                    message.translations.append(reader.text().toString());
                } else if (reader.isStartElement() && reader.name() == u"byte") {
                    message.translations.last() +=
                        QChar(reader.attributes().value("value").mid(1).toUInt(nullptr, 16));
                } else if (reader.isEndElement() && reader.name() == u"translation") {
                    break;
                }
            }
            if (!plural) {
                message.translations = QStringList{message.translations.join(QString())};
            }
        } else {
            reader.skipCurrentElement();
        }
    }
    return message;
}

std::vector<Message> readCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader reader(&file);
    std::vector<Message> messages;
    QString context;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"name") {
            context = reader.readElementText();
        } else if (reader.isStartElement() && reader.name() == u"message") {
            messages.push_back(readMessage(reader, context));
        }
    }
    EXPECT_FALSE(reader.hasError())
        << path.toStdString() << ": " << reader.errorString().toStdString();
    return messages;
}

QString tsPath(const QString& folder, const QString& language) {
    return folder + QStringLiteral("/tavlora_") + language + QStringLiteral(".ts");
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found.insert(match.captured(1));
    }
    return found;
}

// The access key of a caption: the letter after a single '&'.
QChar mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// The captions of the main window's buttons and options, which share one set of access keys.
const std::set<QString> kWindowButtons = {"Load Picture", "Start Game", "End Game",
                                          "High Scores",  "Slide",      "Swap"};

const QString kOwnFolder = sourceFolder() + QStringLiteral("/translations");

}  // namespace

TEST(Catalogues, EveryLanguageHasACatalogueAndEveryMessageIsTranslatedWithItsPlaceholders) {
    const QStringList files = QDir(kOwnFolder).entryList({"tavlora_*.ts"}, QDir::Files);
    EXPECT_EQ(files.size(), catalogueLanguages().size());
    std::vector<Message> english;
    for (const QString& language : catalogueLanguages()) {
        const std::vector<Message> messages = readCatalogue(tsPath(kOwnFolder, language));
        ASSERT_FALSE(messages.empty()) << language.toStdString();
        std::map<QChar, QString> keys;
        for (const Message& m : messages) {
            const std::string where = language.toStdString() + " " + m.context.toStdString() +
                                      " \"" + m.source.toStdString() + "\"";
            EXPECT_EQ(m.type, "") << where;
            for (const QString& translation : m.translations) {
                EXPECT_FALSE(translation.isEmpty()) << where;
                EXPECT_EQ(placeholders(translation), placeholders(m.source))
                    << where << " -> \"" << translation.toStdString() << "\"";
            }
            if (m.context == u"Form1" && kWindowButtons.count(m.source) &&
                m.source != u"End Game") {
                const QChar key = mnemonic(m.translations.value(0));
                if (!key.isNull()) {
                    EXPECT_TRUE(keys.emplace(key, m.source).second)
                        << where << " shares its access key with \"" << keys[key].toStdString()
                        << "\"";
                }
            }
        }
        // Every language carries the same messages.
        if (english.empty()) {
            english = messages;
        }
        EXPECT_EQ(messages.size(), english.size()) << language.toStdString();
    }
}

TEST(Catalogues, CompiledCataloguesTranslateEveryMessageAsTheirSources) {
    for (const QString& language : catalogueLanguages()) {
        Translations translations;
        ASSERT_EQ(translations.install(QLocale(language), catalogueFolder()).toStdString(),
                  language.toStdString());
        for (const Message& m : readCatalogue(tsPath(kOwnFolder, language))) {
            if (m.translations.size() == 1) {
                EXPECT_EQ(QCoreApplication::translate(m.context.toUtf8().constData(),
                                                      m.source.toUtf8().constData())
                              .toStdString(),
                          m.translations[0].toStdString())
                    << language.toStdString() << " " << m.source.toStdString();
            }
        }
    }
}

TEST(Catalogues, NoTextOfTheSourcesIsMissingFromAnyCatalogue) {
#ifdef _WIN32
    GTEST_SKIP() << "the catalogues are refreshed by lupdate, a tool of the build machine; the "
                    "Linux run of this test holds the sources and the catalogues together";
#endif
    // The catalogues are refreshed from the sources as copies: a text the sources gained since
    // then arrives unfinished, one they lost leaves.
    QTemporaryDir copies;
    ASSERT_TRUE(copies.isValid());
    QStringList arguments{sourceFolder() + QStringLiteral("/scripts/update-translations.sh")};
    for (const QString& language : catalogueLanguages()) {
        ASSERT_TRUE(QFile::copy(tsPath(kOwnFolder, language), tsPath(copies.path(), language)));
        arguments << tsPath(copies.path(), language);
    }
    QProcess refresh;
    refresh.start(QStringLiteral("bash"), arguments);
    ASSERT_TRUE(refresh.waitForFinished(120000));
    ASSERT_EQ(refresh.exitCode(), 0) << refresh.readAllStandardError().toStdString();
    for (const QString& language : catalogueLanguages()) {
        const std::vector<Message> before = readCatalogue(tsPath(kOwnFolder, language));
        const std::vector<Message> after = readCatalogue(tsPath(copies.path(), language));
        EXPECT_EQ(after.size(), before.size()) << language.toStdString();
        for (const Message& m : after) {
            EXPECT_EQ(m.type, "") << language.toStdString() << " lacks " << m.context.toStdString()
                                  << " \"" << m.source.toStdString() << "\"";
        }
    }
}
