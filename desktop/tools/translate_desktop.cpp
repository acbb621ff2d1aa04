// Adds every language's wording to the desktop entry, the AppStream metadata or the Windows
// installer's language file:
//   translate_desktop <template> <output> <folder of .qm> <language>...
// Name, GenericName, Comment and Keywords of an entry get Key[language]= lines; summary, p, li and
// caption elements of the metadata get an element with xml:lang after them; in an installer's .nsh,
// MUI_LANGUAGE "English" is followed by each language's NSIS language, and each English LangString
// by the language's own. A text missing from kDesktopTexts or kInstallerTexts, or one a catalogue
// does not translate, fails the build.
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "desktop/tools/DesktopTexts.h"

namespace {

struct Language {
    QString code;
    std::unique_ptr<QTranslator> catalogue;
};

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "translate_desktop: %s\n", qPrintable(why));
    std::exit(1);
}

template <size_t n>
bool listed(const QString& english, const char* const (&texts)[n]) {
    return std::any_of(std::begin(texts), std::end(texts),
                       [&](const char* text) { return english == QLatin1String(text); });
}

QString known(const QString& english, const char* context) {
    if (!(qstrcmp(context, "Installer") == 0 ? listed(english, kInstallerTexts)
                                             : listed(english, kDesktopTexts))) {
        fail(QStringLiteral("\"%1\" is not in desktop/tools/DesktopTexts.h").arg(english));
    }
    return english;
}

QString translated(const Language& language, const QString& english,
                   const char* context = "DesktopEntry") {
    const QString text =
        language.catalogue->translate(context, known(english, context).toUtf8().constData());
    if (text.isEmpty()) {
        fail(QStringLiteral("the %1 catalogue does not translate \"%2\"")
                 .arg(language.code, english));
    }
    return text;
}

QString entryWithLanguages(const QString& entry, const std::vector<Language>& languages) {
    static const QRegularExpression key(
        QStringLiteral("^(Name|GenericName|Comment|Keywords)=(.*)$"));
    QStringList lines;
    for (const QString& line : entry.split(u'\n')) {
        lines << line;
        const QRegularExpressionMatch match = key.match(line);
        if (match.hasMatch()) {
            for (const Language& language : languages) {
                lines << match.captured(1) + u'[' + language.code + QStringLiteral("]=") +
                             translated(language, match.captured(2));
            }
        }
    }
    return lines.join(u'\n');
}

QString metadataWithLanguages(const QString& metadata, const std::vector<Language>& languages) {
    static const QRegularExpression element(
        QStringLiteral("([ \\t]*)<(summary|p|li|caption)>(.*?)</\\2>"),
        QRegularExpression::DotMatchesEverythingOption);
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : element.globalMatch(metadata)) {
        result += metadata.mid(done, match.capturedEnd() - done);
        done = match.capturedEnd();
        const QString english = match.captured(3).simplified();
        for (const Language& language : languages) {
            result += u'\n' + match.captured(1) + u'<' + match.captured(2) +
                      QStringLiteral(" xml:lang=\"") + language.code + QStringLiteral("\">") +
                      translated(language, english).toHtmlEscaped() + QStringLiteral("</") +
                      match.captured(2) + u'>';
        }
    }
    return result + metadata.mid(done);
}

// NSIS's name of each language's translation of its pages.
QString nsisLanguage(const QString& code) {
    static const QHash<QString, QString> names{
        {"ar", "Arabic"},         {"bg", "Bulgarian"},
        {"ca", "Catalan"},        {"cs", "Czech"},
        {"da", "Danish"},         {"de", "German"},
        {"es", "Spanish"},        {"fa", "Farsi"},
        {"fi", "Finnish"},        {"fr", "French"},
        {"gd", "ScotsGaelic"},    {"he", "Hebrew"},
        {"hr", "Croatian"},       {"hu", "Hungarian"},
        {"it", "Italian"},        {"ja", "Japanese"},
        {"ko", "Korean"},         {"lv", "Latvian"},
        {"nl", "Dutch"},          {"nn", "NorwegianNynorsk"},
        {"pl", "Polish"},         {"pt_BR", "PortugueseBR"},
        {"ru", "Russian"},        {"sk", "Slovak"},
        {"tr", "Turkish"},        {"uk", "Ukrainian"},
        {"zh_CN", "SimpChinese"}, {"zh_TW", "TradChinese"},
    };
    const QString name = names.value(code);
    if (name.isEmpty()) {
        fail(QStringLiteral("NSIS's name of the language %1 is not known here").arg(code));
    }
    return name;
}

// A text as an NSIS string in double quotes writes it.
QString nsisString(QString text) {
    return text.replace(u'$', QStringLiteral("$$"))
        .replace(u'"', QStringLiteral("$\\\""))
        .replace(u'\n', QStringLiteral("$\\n"));
}

QString installerWithLanguages(const QString& nsh, const std::vector<Language>& languages) {
    static const QRegularExpression mui(QStringLiteral("^!insertmacro MUI_LANGUAGE \"English\"$"));
    static const QRegularExpression string(
        QStringLiteral("^LangString (\\w+) \\$\\{LANG_ENGLISH\\} \"(.*)\"$"));
    QStringList lines;
    for (const QString& line : nsh.split(u'\n')) {
        lines << line;
        if (mui.match(line).hasMatch()) {
            for (const Language& language : languages) {
                lines << QStringLiteral("!insertmacro MUI_LANGUAGE \"%1\"")
                             .arg(nsisLanguage(language.code));
            }
        }
        const QRegularExpressionMatch match = string.match(line);
        if (match.hasMatch()) {
            for (const Language& language : languages) {
                lines << QStringLiteral("LangString %1 ${LANG_%2} \"%3\"")
                             .arg(match.captured(1), nsisLanguage(language.code).toUpper(),
                                  nsisString(translated(language, match.captured(2), "Installer")));
            }
        }
    }
    // NSIS reads a file as UTF-8 when it starts with the byte order mark.
    return QChar(0xFEFF) + lines.join(u'\n');
}

QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(path));
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 5) {
        fail(QStringLiteral("usage: translate_desktop TEMPLATE OUTPUT QM-FOLDER LANGUAGE..."));
    }
    std::vector<Language> languages;
    for (const QString& code : arguments.mid(4)) {
        Language language{code, std::make_unique<QTranslator>()};
        const QString path =
            arguments[3] + QStringLiteral("/tavlora_") + code + QStringLiteral(".qm");
        if (!language.catalogue->load(path)) {
            fail(QStringLiteral("cannot load %1").arg(path));
        }
        languages.push_back(std::move(language));
    }
    const QString source = readAll(arguments[1]);
    QString output;
    if (arguments[1].endsWith(QStringLiteral(".nsh"))) {
        output = installerWithLanguages(source, languages);
    } else if (arguments[1].contains(QStringLiteral(".desktop"))) {
        output = entryWithLanguages(source, languages);
    } else {
        output = metadataWithLanguages(source, languages);
    }
    QFile file(arguments[2]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(output.toUtf8()) < 0) {
        fail(QStringLiteral("cannot write %1").arg(arguments[2]));
    }
    return 0;
}
