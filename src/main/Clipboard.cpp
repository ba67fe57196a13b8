#include "main/Clipboard.h"

#include "Notation/TextRecord.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Settings.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

namespace {

constexpr const char* CannotPaste = "貼り付けた内容を棋譜として入力できません\r\n";

PasteResult Refused(const std::string& why)
{
    return {false, CannotPaste + why};
}

// The opening whose own three moves the line starts with, so a saved record replays the
// same stones; a line that forms an opening in another orientation is stored as moves.
int OpeningStartingLine(const std::vector<CellIndex>& moves)
{
    if (moves.size() < 3)
        return 0;
    for (int k = 1; k <= OpeningCount; ++k)
        if (moves[0] == OpeningMove(k, 0) && moves[1] == OpeningMove(k, 1) &&
            moves[2] == OpeningMove(k, 2))
            return k;
    return 0;
}

void EnterLine(const std::vector<CellIndex>& moves)
{
    const StatusBatch batch;
    if (EditMode != ModeMoveOrder && EditMode != ModeFourChase) {
        EditMode = ModeMoveOrder;
        ShowEditMode();
    }
    ResetBoard();
    SelectedOpening = OpeningStartingLine(moves);
    GameInfo.Opening = SelectedOpening;
    ShowSelectedOpening();
    // The pasted record already holds every answer; an automatic one would take the point
    // of the record's own next move.
    const std::int32_t autoBlock = AutoBlockFours;
    AutoBlockFours = 0;
    for (const CellIndex cell : moves) {
        CellMarks[cell] = 0;
        PlaceMove(cell);
    }
    AutoBlockFours = autoBlock;
    ShowMoveStatus();
}

void EnterPosition(const notation::Content& content)
{
    const StatusBatch batch;
    ResetBoard();
    for (const CellIndex cell : content.black) {
        BoardCells[cell] = CellBlack;
        DrawCell(CellColumn(cell), CellRow(cell));
        ++BlackStoneTotal;
    }
    for (const CellIndex cell : content.white) {
        BoardCells[cell] = CellWhite;
        DrawCell(CellColumn(cell), CellRow(cell));
        ++WhiteStoneTotal;
    }
    ShowStoneCounts();
}

} // namespace

std::string GameAsText()
{
    notation::Content content;
    if (BlackStoneTotal + WhiteStoneTotal > 0) {
        content.kind = notation::Content::Kind::Position;
        for (int row = 1; row <= BoardLines; ++row)
            for (int column = 1; column <= BoardLines; ++column) {
                const CellIndex cell = MakeCell(column, row);
                if (BoardCells[cell] == CellBlack)
                    content.black.push_back(cell);
                else if (BoardCells[cell] == CellWhite)
                    content.white.push_back(cell);
            }
        return notation::WriteText(content).bytes;
    }
    std::vector<CellIndex> moves;
    for (int i = 0; i < MoveListSize && MoveList[i] > 0; ++i)
        moves.push_back(MoveList[i]);
    return notation::WriteMoves(moves);
}

PasteResult EnterGameText(std::string_view text)
{
    const notation::ReadResult read = notation::ReadText(text);
    if (!read.ok())
        return Refused(read.error->message);
    const notation::Content& content = read.content;
    const bool position = content.kind == notation::Content::Kind::Position;
    if (!position && content.moves.empty())
        return Refused("着手がありません");
    for (std::size_t i = 0; !position && i < content.moves.size(); ++i)
        if (content.moves[i] == notation::Pass)
            // The record has no way to hold a pass: every entry is a stone.
            return Refused(std::to_string(i + 1) + "手目のパス「--」は盤に入力できません");
    // The pasted game takes the place of this one, with its analysis tree.
    bool asked = false;
    if (!KeepAnalysis(asked))
        return {};
    if (position)
        EnterPosition(content);
    else
        EnterLine(content.moves);
    return {true, {}};
}
