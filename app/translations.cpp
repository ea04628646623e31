#include "app/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace snake {

namespace {
// Qt's own translations give the message box its button and its direction, but Qt has none
// for many of the game's languages: the game's carry the two as well. Qt's are searched first
// (installed last), so its word stands wherever it has one.
[[maybe_unused]] const char* const kOkButton = QT_TRANSLATE_NOOP("QPlatformTheme", "OK");
//: "LTR" for a language written left to right, "RTL" for one written right to left.
[[maybe_unused]] const char* const kDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

const QString kFilePrefix = QStringLiteral(":/i18n/velmors-snake_");

// The translations go by gettext's names; Qt names a script where gettext names a place or a
// variant, and some locales read another language's texts. The table of those names is the
// build's (SNAKE_LANGUAGE_NAMES): "<gettext>:<Qt>[:<locale>...]", a row for each language.
QString FileFor(const QString& name) {
    const QString table = QStringLiteral(SNAKE_LANGUAGE_NAMES);
    for (const QString& row : table.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList names = row.split(QLatin1Char(':'));
        if (names.indexOf(name, 1) > 0) {
            return names.first();
        }
    }
    return name;
}

// The names to look for, nearest first, for one of the player's locales: the locale as given,
// with its variant, without its place ("sr_RS@latin", "sr@latin", "sr_RS", "sr"); then as Qt
// fills it in with the script the place writes ("zh_HK" is "zh_Hant_HK", "no" is "nb_Latn_NO").
QStringList Candidates(QString locale) {
    locale.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype at = locale.indexOf(QLatin1Char('@'));
    const QString variant = at < 0 ? QString() : locale.mid(at);
    QString base = locale.left(at);
    if (const qsizetype dot = base.indexOf(QLatin1Char('.')); dot >= 0) {
        base.truncate(dot);  // the character set
    }
    QStringList names;
    QStringList parts = base.split(QLatin1Char('_'));
    if (!variant.isEmpty()) {
        names << base + variant << parts.first() + variant;
    }
    for (; parts.size() > 1; parts.removeLast()) {
        names << parts.join(QLatin1Char('_'));
    }
    names << parts.first();  // "pt" is gettext's European Portuguese, before Qt's "pt_BR"
    const QLocale qt(base);
    if (qt.language() != QLocale::C) {
        const QString language = QLocale::languageToCode(qt.language());
        const QString script = language + QLatin1Char('_') + QLocale::scriptToCode(qt.script());
        const QString place = QLatin1Char('_') + QLocale::territoryToCode(qt.territory());
        names << script + place << script << language + place << language;
    }
    return names;
}

bool IsEnglish(const QString& locale) {
    return locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
           locale == QLatin1String("en") || locale.startsWith(QLatin1String("en_")) ||
           locale.startsWith(QLatin1String("en-")) || locale.startsWith(QLatin1String("en@")) ||
           locale.startsWith(QLatin1String("en."));
}
}  // namespace

QStringList Translations::PlayerLanguages() {
    QStringList languages =
        QString::fromLocal8Bit(qgetenv("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = QString::fromLocal8Bit(qgetenv(variable));
        if (!value.isEmpty()) {
            languages << value;
            break;
        }
    }
    return languages;
}

QString Translations::Install(const QStringList& languages) {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
    for (const QString& locale : languages) {
        if (IsEnglish(locale)) {
            break;  // the sources speak it
        }
        for (const QString& candidate : Candidates(locale)) {
            const QString found = FileFor(candidate);
            const QString file = kFilePrefix + found + QLatin1String(".qm");
            if (!QFile::exists(file) || !game_.load(file)) {
                continue;
            }
            QCoreApplication::installTranslator(&game_);
            // Qt's translation for the same language, where Qt has one ("pt_BR", or "de" for
            // "de_AT"), named without gettext's variant.
            if (qt_.load(QStringLiteral("qtbase_") + found.left(found.indexOf(QLatin1Char('@'))),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&qt_);
            }
            return found;
        }
    }
    return {};
}

}  // namespace snake
