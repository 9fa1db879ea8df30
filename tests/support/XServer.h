// A private X server (Xvfb) for tests that drive the built program as a user
// would: started on a free display, ended with the test.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class XServer {
public:
    // What the server does once its last client has gone: stay for the
    // next one, or end, as a session's server does when its session ends.
    enum class LastClientGone { Stay, End };

    // Nil when Xvfb cannot be started here; the reason is in why.
    static std::unique_ptr<XServer> start(QString& why, LastClientGone whenIdle = LastClientGone::Stay);
    XServer() = default;
    ~XServer();

    const QString& display() const { return m_display; }

    // Runs a short X client (xdotool, xwd) against this display; nullopt when
    // it fails or does not finish within the timeout.
    std::optional<QByteArray> run(const QString& program, const QStringList& arguments, int timeoutMs = 20000) const;

private:
    QProcess m_server;
    QString m_display;
};

// Whether a program is on the PATH.
bool haveProgram(const QString& program);
