#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

// The languages the window speaks: the game's own catalogue tavlora_<language>.qm from `folder` and
// Qt's for its dialogs, for the first of the desktop's languages that the game has a catalogue for.
// English, or no usable catalogue, leaves the English source texts; nothing is ever reported.
class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // `uiLanguages` in the desktop's order of preference, as QLocale::uiLanguages() gives them.
    // Returns the catalogue's language ("de", "pt_BR"), or "" for English.
    QString install(const QStringList& uiLanguages, const QString& folder);
    // Back to English.
    void remove();

    // Numbers as the chosen language writes them (the decimal separator); C for English.
    QLocale numberLocale() const;

private:
    bool loadGameCatalogue(const QString& path);
    void loadQtCatalogue(const QString& language);

    // Each lives from install() to remove(); a translator removes itself from the application as
    // it goes.
    QByteArray gameData_;
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
    QString language_;
    bool installed_ = false;
    QLocale previousDefault_;
};

// True when `data` is a whole compiled catalogue: the .qm signature followed by blocks whose
// lengths add up exactly to the data, among them the messages and the language.
bool isWholeCatalogue(const QByteArray& data);
