#include "app/HeadlessPort.h"

#include <QFile>
#include <cstdio>

#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Startup.h"

void HeadlessPort::ShowErrorBox(const std::string& message)
{
    const QByteArray file = currentFile.toLocal8Bit();
    std::fprintf(stderr, "korvane: %s: %s\n", file.constData(), message.c_str());
}

HeadlessPort& StartHeadless()
{
    static HeadlessPort port;
    Window = &port;
    FormCreate();
    return port;
}

bool OpenInput(const QString& path)
{
    HeadlessPort& port = StartHeadless();
    port.currentFile = path;
    return OpenPath(QFile::encodeName(path).toStdString()) == IoOk;
}
