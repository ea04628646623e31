// The game's language: its own translation and Qt's, for the first of the player's languages
// the game speaks, or the nearest to it; English, the language of the sources, for any other.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace snake {

class Translations {
  public:
    // The player's languages in order of preference, as gettext and Qt read them: the list in
    // LANGUAGE, then the first of LC_ALL, LC_MESSAGES and LANG that is set.
    static QStringList PlayerLanguages();

    // Installs the translations for the first of `languages` that the game speaks or has a
    // near language for, in place of any installed before. Each is a locale name, gettext's
    // ("sr_RS@latin", "de_AT.UTF-8") or Qt's ("zh-Hant-HK"); English ("en_GB") or "C" before
    // any such ends the search. Returns the translation installed, as its file is named ("de",
    // "pt_BR", "sr@latin"), or an empty string for English. Windows made afterwards speak it.
    QString Install(const QStringList& languages);

  private:
    QTranslator game_;
    QTranslator qt_;  // Qt's own texts (the message box's button), when installed
};

}  // namespace snake
