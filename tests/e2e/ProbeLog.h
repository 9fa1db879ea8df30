// The environment the process tests run the bundle's program in, and the
// shut-down probe (ShutdownProbe.cpp) preloaded into it, which notes the
// calls that mark the program's way out, one line each, on its log.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using Settings = std::vector<std::pair<QString, QString>>;

// No display and no platform unless the settings give them, silent audio,
// and the probe noting on the work folder's probe.log.
inline QProcessEnvironment programEnvironment(const QTemporaryDir& work, const Settings& settings)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(name);
    environment.insert("SDL_AUDIODRIVER", "dummy");
    environment.insert("XDG_RUNTIME_DIR", work.path());
    environment.insert("LD_PRELOAD", TOLVANE_SHUTDOWN_PROBE);
    environment.insert("TOLVANE_PROBE_LOG", work.filePath("probe.log"));
    for (const auto& [name, value] : settings)
        environment.insert(name, value);
    return environment;
}

inline std::vector<std::string> probeLines(const QString& log)
{
    std::vector<std::string> lines;
    std::ifstream file(std::filesystem::path(log.toStdString()));
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}
