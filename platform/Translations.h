#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>

// The languages the window speaks: the game's own catalogue tavlora_<language>.qm from `folder` and
// Qt's for its dialogs. Qt chooses the catalogue, walking the desktop's languages in order; the
// folder holds an English catalogue too, so an English language before any other means English.
// No usable catalogue leaves the English source texts; nothing is ever reported.
class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // `desktop` as desktopLanguage() gives it, or any locale. Returns the catalogue's language
    // ("de", "pt_BR"), or "" for English. A right-to-left language ("ar", "he", "fa") makes a
    // GUI application's layout direction right to left until remove().
    QString install(const QLocale& desktop, const QString& folder);
    // Back to English.
    void remove();

    // Numbers as the chosen language writes them (the decimal separator); C for English.
    QLocale numberLocale() const;

private:
    // Each lives from install() to remove(); a translator removes itself from the application as
    // it goes.
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
    QString language_;
    bool installed_ = false;
    QLocale previousDefault_;
    // Set while a right-to-left language mirrors the application.
    bool mirrored_ = false;
    Qt::LayoutDirection previousDirection_ = Qt::LeftToRight;
};

// The language the desktop asks programs to speak: QLocale::system(), except that, as gettext
// does, LANGUAGE counts for nothing while the messages' locale (LC_ALL, else LC_MESSAGES, else
// LANG) is C or POSIX, so that `LC_ALL=C tavlora` is English whatever LANGUAGE says. With none of
// the three set, Unix means C and Windows, which never sets them, the user's own language.
QLocale desktopLanguage();
