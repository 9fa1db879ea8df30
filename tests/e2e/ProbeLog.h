// The shut-down probe (ShutdownProbe.cpp) as the process tests use it:
// preloaded into the program, it notes the calls that mark the program's way
// out, one line each, on the log it is given.
#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

inline void preloadShutdownProbe(QProcessEnvironment& environment, const QString& log)
{
    environment.insert("LD_PRELOAD", TOLVANE_SHUTDOWN_PROBE);
    environment.insert("TOLVANE_PROBE_LOG", log);
}

inline std::vector<std::string> probeLines(const QString& log)
{
    std::vector<std::string> lines;
    std::ifstream file(std::filesystem::path(log.toStdString()));
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}
