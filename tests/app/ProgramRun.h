// Runs the real program as a user would from a shell with no display: DISPLAY,
// WAYLAND_DISPLAY and QT_QPA_PLATFORM are all unset.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>

inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

inline ProgramRun RunKorvane(const QStringList& arguments, int timeoutMs = 60000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(KORVANE_EXE), arguments);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = "timed out";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
