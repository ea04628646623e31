#include "app/platform.h"

#include <QDir>
#include <QLibraryInfo>

namespace snake {

namespace {
bool HasAdwaitaDecoration(const QStringList& pluginDirs) {
    for (const QString& dir : pluginDirs) {
        const QStringList plugins =
            QDir(dir + QStringLiteral("/wayland-decoration-client")).entryList(QDir::Files);
        for (const QString& plugin : plugins) {
            if (plugin.contains(QLatin1String("adwaita"), Qt::CaseInsensitive)) {
                return true;
            }
        }
    }
    return false;
}
}  // namespace

QByteArray PreferredPlatform(const std::function<QByteArray(const char*)>& env,
                             const QStringList& pluginDirs) {
    if (!env("QT_QPA_PLATFORM").isEmpty() || !env("QT_WAYLAND_DECORATION").isEmpty() ||
        env("WAYLAND_DISPLAY").isEmpty() || env("DISPLAY").isEmpty()) {
        return {};
    }
    const QList<QByteArray> desktops = env("XDG_CURRENT_DESKTOP").toUpper().split(':');
    if (!desktops.contains("GNOME") || HasAdwaitaDecoration(pluginDirs)) {
        return {};
    }
    return "xcb";
}

QByteArray PreferredPlatform() {
    QStringList dirs =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    dirs.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    return PreferredPlatform([](const char* name) { return qgetenv(name); }, dirs);
}

}  // namespace snake
