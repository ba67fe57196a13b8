// The commands that run without a window. Each returns the process's exit status.
#pragma once

#include "app/CommandLine.h"

// --export and --export-dir.
int RunExportCommand(const CommandLine& line);
// --forbidden, for each input.
int RunForbiddenCommand(const CommandLine& line);
// --vcf, for each input.
int RunVcfCommand(const CommandLine& line);
// --convert.
int RunConvertCommand(const CommandLine& line);
// --print-moves.
int RunPrintMovesCommand(const CommandLine& line);
