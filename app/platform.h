// Which of Qt's platforms the game asks for, before Qt picks its own.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <functional>

namespace snake {

// The platform for QT_QPA_PLATFORM, or empty to leave Qt's own choice. `env` reads the
// environment; `pluginDirs` are the folders Qt looks for its plugins in.
//
// GNOME's compositor draws no title bars for Wayland windows: Qt then draws its own, which
// looks like nothing else on that desktop unless the Qt in use has an Adwaita decoration.
// Without one, on GNOME under Wayland with XWayland at hand, the game runs through XWayland,
// where GNOME's own title bars frame it. The player's QT_QPA_PLATFORM or QT_WAYLAND_DECORATION
// always wins.
QByteArray PreferredPlatform(const std::function<QByteArray(const char*)>& env,
                             const QStringList& pluginDirs);

// The same for this process: its environment and Qt's plugin folders.
QByteArray PreferredPlatform();

}  // namespace snake
