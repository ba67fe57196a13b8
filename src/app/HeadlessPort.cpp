#include "app/HeadlessPort.h"

#include <QFile>
#include <cstdio>

#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Startup.h"

void HeadlessPort::ShowErrorBox(const std::string& message)
{
    std::fprintf(stderr, "korvane: %s: %s\n", currentFile.c_str(), message.c_str());
}

HeadlessPort& StartHeadless()
{
    static HeadlessPort port;
    Window = &port;
    FormCreate();
    return port;
}

bool OpenInput(const std::string& path)
{
    HeadlessPort& port = StartHeadless();
    port.currentFile = path;
    return OpenPath(path) == IoOk;
}
