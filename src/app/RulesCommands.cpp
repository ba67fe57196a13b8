// --forbidden and --vcf: the rules judge on the position a game record or a stone placement
// leaves on the board, answered on standard output. Several inputs are answered in one
// process, each after its name; a refused input is reported and the others still answered.
#include <cstdio>
#include <string>

#include "Board/Coordinates.h"
#include "GtRen/Board.h"
#include "Renju/Renju.h"
#include "app/Commands.h"
#include "app/HeadlessPort.h"

namespace {

std::string PointText(CellIndex cell, bool cells)
{
    return cells ? std::to_string(cell) : CellName(cell);
}

// The side to move by the stone counts: black when they are equal (or white is ahead).
int SideToMove(const std::int32_t* board)
{
    int black = 0;
    int white = 0;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        black += IsBoardCell(cell) && board[cell] == CellBlack;
        white += IsBoardCell(cell) && board[cell] == CellWhite;
    }
    return black > white ? CellWhite : CellBlack;
}

std::string ForbiddenAnswer(const CommandLine& line, const std::string& prefix)
{
    renju::ForbiddenKind kinds[CellTableSize];
    renju::ForbiddenPoints(BoardCells, kinds);
    std::string out;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (kinds[cell] != renju::ForbiddenKind::None)
            out += prefix + PointText(cell, line.cells) + " " + renju::KindName(kinds[cell]) + "\n";
    // Alone, a position with no forbidden point prints nothing; in a batch each input answers.
    if (out.empty() && !prefix.empty())
        out = prefix + "none\n";
    return out;
}

std::string VcfAnswer(const CommandLine& line, const std::string& prefix, const QString& input)
{
    const int attacker = line.vcfColor != 0 ? line.vcfColor : SideToMove(BoardCells);
    const renju::ChaseResult result = renju::FindFourChase(BoardCells, attacker);
    std::string out;
    for (CellIndex cell : result.moves)
        out += (out.empty() ? "" : " ") + PointText(cell, line.cells);
    if (result.outcome != renju::ChaseOutcome::Found) {
        out = "none";
        if (result.outcome == renju::ChaseOutcome::TimedOut)
            std::fprintf(stderr, "korvane: %s: the four-chase search reached its time bound\n",
                         input.toLocal8Bit().constData());
    }
    return prefix + out + "\n";
}

// Opens each input in turn and prints what `answer` says of its position.
template <typename Answer> int ForEachInput(const CommandLine& line, Answer answer)
{
    int status = 0;
    const bool several = line.inputs.size() > 1;
    for (qsizetype i = 0; i < line.inputs.size(); ++i) {
        const QString& input = line.inputs[i];
        if (!OpenInput(line.inputPaths[std::size_t(i)])) {
            status = 1;
            continue;
        }
        // The name as given, so that scripts can match it whatever its encoding.
        const std::string prefix = several ? line.inputPaths[std::size_t(i)] + ": " : "";
        const std::string out = answer(prefix, input);
        std::fputs(out.c_str(), stdout);
    }
    std::fflush(stdout);
    return status;
}

} // namespace

int RunForbiddenCommand(const CommandLine& line)
{
    return ForEachInput(line, [&](const std::string& prefix, const QString&) {
        return ForbiddenAnswer(line, prefix);
    });
}

int RunVcfCommand(const CommandLine& line)
{
    return ForEachInput(line, [&](const std::string& prefix, const QString& input) {
        return VcfAnswer(line, prefix, input);
    });
}
