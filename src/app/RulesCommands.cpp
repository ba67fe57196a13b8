// --forbidden and --vcf: the rules judge on the position a game record or a stone placement
// leaves on the board, answered on standard output.
#include <cstdio>
#include <string>

#include "GtRen/Board.h"
#include "Renju/Renju.h"
#include "app/Commands.h"
#include "app/HeadlessPort.h"

int RunForbiddenCommand(const CommandLine& line)
{
    if (!OpenInput(line.inputs.first()))
        return 1;
    renju::ForbiddenKind kinds[CellTableSize];
    renju::ForbiddenPoints(BoardCells, kinds);
    std::string out;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (kinds[cell] != renju::ForbiddenKind::None)
            out += std::to_string(cell) + " " + renju::KindName(kinds[cell]) + "\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}

int RunVcfCommand(const CommandLine& line)
{
    if (!OpenInput(line.inputs.first()))
        return 1;
    const renju::ChaseResult result = renju::FindFourChase(BoardCells, line.vcfColor);
    std::string out;
    for (CellIndex cell : result.moves)
        out += (out.empty() ? "" : " ") + std::to_string(cell);
    if (result.outcome != renju::ChaseOutcome::Found) {
        out = "none";
        if (result.outcome == renju::ChaseOutcome::TimedOut)
            std::fprintf(stderr, "korvane: the four-chase search reached its time bound\n");
    }
    std::fputs((out + "\n").c_str(), stdout);
    return 0;
}
