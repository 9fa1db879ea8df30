#include "XServer.h"

#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

bool haveProgram(const QString& program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

std::unique_ptr<XServer> XServer::start(QString& why, LastClientGone whenIdle)
{
    if (!haveProgram("Xvfb")) {
        why = "Xvfb is not installed";
        return nullptr;
    }
    // Xvfb picks a free display itself and writes its number to the pipe.
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        why = "no pipe";
        return nullptr;
    }
    auto server = std::make_unique<XServer>();
    server->m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server->m_server.setChildProcessModifier([writeFd = pipeFds[1], readFd = pipeFds[0]] {
        ::close(readFd);
        ::fcntl(writeFd, F_SETFD, 0);
    });
    server->m_server.start("Xvfb",
        {"-displayfd", QString::number(pipeFds[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
            whenIdle == LastClientGone::Stay ? "-noreset" : "-terminate"});
    ::close(pipeFds[1]);
    if (!server->m_server.waitForStarted(10000)) {
        ::close(pipeFds[0]);
        why = "Xvfb did not start";
        return nullptr;
    }
    QByteArray number;
    char c;
    while (::read(pipeFds[0], &c, 1) == 1 && c != '\n')
        number.append(c);
    ::close(pipeFds[0]);
    if (number.isEmpty()) {
        why = "Xvfb reported no display";
        return nullptr;
    }
    server->m_display = ":" + QString::fromLatin1(number);
    return server;
}

XServer::~XServer()
{
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
    m_server.waitForFinished(5000);
}

std::optional<QByteArray> XServer::run(const QString& program, const QStringList& arguments, int timeoutMs) const
{
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    client.setProcessEnvironment(environment);
    client.start(program, arguments);
    if (!client.waitForFinished(timeoutMs)) {
        client.kill();
        client.waitForFinished(2000);
        return std::nullopt;
    }
    if (client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0)
        return std::nullopt;
    return client.readAllStandardOutput();
}
