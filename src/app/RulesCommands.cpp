#include <cstdio>

#include "app/Commands.h"

int RunForbiddenCommand(const CommandLine&)
{
    std::fprintf(stderr, "korvane: --forbidden is not built yet\n");
    return 1;
}

int RunVcfCommand(const CommandLine&)
{
    std::fprintf(stderr, "korvane: --vcf is not built yet\n");
    return 1;
}
