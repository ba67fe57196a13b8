// The scripted fake engine of tests/Engine/fake_engine.cpp, set up for one test: its script
// written to a file, the file named in the environment the engine inherits, and a log of
// every line the engine received.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <sys/types.h>

class EngineScript {
public:
    // `script` as fake_engine.cpp reads it; an empty one makes a well-behaved engine.
    explicit EngineScript(const QByteArray& script = {})
    {
        QFile file(dir_.filePath("script"));
        if (file.open(QIODevice::WriteOnly))
            file.write(script);
        qputenv("KORVANE_FAKE_SCRIPT", dir_.filePath("script").toLocal8Bit());
        qputenv("KORVANE_FAKE_LOG", dir_.filePath("log").toLocal8Bit());
    }
    ~EngineScript()
    {
        qunsetenv("KORVANE_FAKE_SCRIPT");
        qunsetenv("KORVANE_FAKE_LOG");
    }

    static QString Program() { return QStringLiteral(FAKE_ENGINE); }

    // The lines the engine has received so far.
    QStringList Received() const
    {
        QFile file(dir_.filePath("log"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    int CountReceived(const QString& line) const { return int(Received().count(line)); }

private:
    QTemporaryDir dir_;
};

// True while a process of that id is alive (and not yet reaped as a zombie by its parent,
// which QProcess does at once).
inline bool ProcessAlive(long pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0;
}
