// Adds every language's wording to the desktop entry or the AppStream metadata:
//   translate_desktop <template> <output> <folder of .qm> <language>...
// Name, GenericName, Comment and Keywords of an entry get Key[language]= lines; summary, p, li and
// caption elements of the metadata get an element with xml:lang after them. A text missing from
// kDesktopTexts, or one a catalogue does not translate, fails the build.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
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

QString known(const QString& english) {
    for (const char* text : kDesktopTexts) {
        if (english == QLatin1String(text)) {
            return english;
        }
    }
    fail(QStringLiteral("\"%1\" is not in desktop/tools/DesktopTexts.h").arg(english));
}

QString translated(const Language& language, const QString& english) {
    const QString text =
        language.catalogue->translate("DesktopEntry", known(english).toUtf8().constData());
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
    const QString output = arguments[1].contains(QStringLiteral(".desktop"))
                               ? entryWithLanguages(source, languages)
                               : metadataWithLanguages(source, languages);
    QFile file(arguments[2]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(output.toUtf8()) < 0) {
        fail(QStringLiteral("cannot write %1").arg(arguments[2]));
    }
    return 0;
}
