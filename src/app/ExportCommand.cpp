#include <cstdio>

#include "app/Commands.h"

int RunExportCommand(const CommandLine&)
{
    std::fprintf(stderr, "korvane: --export is not built yet\n");
    return 1;
}
