#include "app/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace snake {

QString Translations::Install(const QLocale& locale) {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
    const QString prefix = QStringLiteral("velmors-snake_");
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // English comes before any later choice: the sources speak it.
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))) {
            break;
        }
        // "de_AT" finds "de"; the translations are built in (app/CMakeLists.txt).
        if (!game_.load(prefix + language, QStringLiteral(":/i18n"))) {
            continue;
        }
        QCoreApplication::installTranslator(&game_);
        const QString found = QFileInfo(game_.filePath()).completeBaseName().mid(prefix.size());
        // Qt's translation for the same language, which also sets the layout direction.
        if (qt_.load(QStringLiteral("qtbase_") + found,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
        return found;
    }
    return {};
}

}  // namespace snake
