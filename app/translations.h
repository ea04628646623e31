// The game's language: its own translation and Qt's, for the first of the player's languages
// the game speaks; English, the language of the sources, for any other.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace snake {

class Translations {
  public:
    // Installs the translations for `locale`'s UI languages, in order of preference (from
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG for the system's), in place of any installed before.
    // Returns the language found, as the translation is named ("de", "pt_BR"), or an empty
    // string for English. Windows made afterwards speak it.
    QString Install(const QLocale& locale);

  private:
    QTranslator game_;
    QTranslator qt_;  // Qt's own texts (the message box's button), when installed
};

}  // namespace snake
