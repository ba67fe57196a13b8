#include "main/RecordFiles.h"

#include <cstdint>
#include <vector>

#include "Set_Data/Set_Data.h"
#include "main/Cp932.h"
#include "main/Files.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Port.h"
#include "main/Settings.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

namespace {

bool Fits(const Record& record, const std::vector<CellIndex>& line, std::string& message)
{
    static std::int8_t taken[CellTableSize];
    std::fill(std::begin(taken), std::end(taken), 0);
    for (const SetupStone& s : record.setup) {
        if (!IsBoardCell(s.cell) || taken[s.cell]) {
            message = "盤の外の点か石のある点に石を置く棋譜は開けません";
            return false;
        }
        taken[s.cell] = 1;
    }
    for (const CellIndex move : line) {
        if (move == PassMove) {
            message = "パスのある棋譜は開けません";
            return false;
        }
        if (!IsBoardCell(move) || taken[move]) {
            message = "盤の外の点か石のある点に石を置く棋譜は開けません";
            return false;
        }
        taken[move] = 1;
    }
    return true;
}

void PlaceSetup(const Record& record)
{
    for (const SetupStone& s : record.setup) {
        BoardCells[s.cell] = CellOf(s.colour);
        DrawCell(CellColumn(s.cell), CellRow(s.cell));
        if (s.colour == Colour::Black)
            ++BlackStoneTotal;
        else
            ++WhiteStoneTotal;
    }
}

} // namespace

Record RecordOfGame()
{
    InitTables();
    Record record;
    int length = 0;
    while (length < MoveListSize && MoveList[length] > 0)
        record.tree.EnterMove(MoveList[length++]);
    record.tree.GoTo(record.tree.Root());
    static std::int8_t played[CellTableSize];
    std::fill(std::begin(played), std::end(played), 0);
    for (int i = 0; i < MoveCount && i < length; ++i)
        played[MoveList[i]] = 1;
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column) {
            const CellIndex cell = MakeCell(column, row);
            const int v = BoardCells[cell];
            if ((v == CellBlack || v == CellWhite) && !played[cell])
                record.setup.push_back({cell, static_cast<Colour>(v)});
        }
    record.info.blackPlayer = NameText(GameInfo.BlackName);
    record.info.whitePlayer = NameText(GameInfo.WhiteName);
    if (GameInfo.Opening >= 1 && GameInfo.Opening <= OpeningCount)
        record.info.openingName = OpeningNames[GameInfo.Opening];
    return record;
}

bool OpenRecord(const Record& record, std::string& message)
{
    InitTables();
    const std::vector<CellIndex> line = RecordLine(record);
    if (!Fits(record, line, message))
        return false;

    const StatusBatch batch; // the box shows the last line only
    ResetBoard();
    if (record.setup.empty() || !line.empty()) {
        // As a game record opens: names, opening, the information panel, numbered moves.
        GameInfo.Opening = record.setup.empty() ? KifOpeningOf(record, line) : 0;
        StoreName(GameInfo.BlackName, record.info.blackPlayer);
        StoreName(GameInfo.WhiteName, record.info.whitePlayer);
        ShowMoveNumbers = 1;
        Window->SetMenuChecked(MenuTick::MnuSyujyun, true);
        SelectedOpening = GameInfo.Opening;
        ShowPlayerNames();
        SetupOpening(); // clears the board: before the set-up stones go on it
        PlaceSetup(record);
        Window->SetPanelVisible(PanelId::PanelTaikyokuData, true);
        const int stored = static_cast<int>(line.size());
        while (MoveCount < stored) {
            MoveList[MoveCount] = line[static_cast<std::size_t>(MoveCount)];
            MoveList[MoveCount + 1] = 0;
            ReplayMove();
        }
    } else {
        // As a stone placement opens: the stones counted, no numbers, the counts shown.
        PlaceSetup(record);
        ShowStoneCounts();
    }
    return true;
}

IoCode OpenRecordPath(const std::string& path, const FileFormat& format)
{
    IoCode code = IoOk;
    const FormatOptions options{format.holds == FormatHolds::Tree ? LibraryCodePage()
                                                                  : std::nullopt};
    RecordRead read = ReadRecordFile(path, format, options, code);
    if (code != IoOk) {
        ShowIoError(code);
        return code;
    }
    std::string message = read.message;
    if (read.record && format.holds == FormatHolds::Tree) {
        if (OpenTreeRecord(std::move(*read.record), path, message))
            return IoOk;
    } else if (read.record && OpenRecord(*read.record, message)) {
        return IoOk;
    }
    Window->ShowErrorBox(WithErrorPeriod(message));
    return IoBadContent;
}

void MnuOpenOtherClick()
{
    std::string path;
    if (!AskPathToOpen("", RecordFilter(false), path))
        return;
    const FileFormat* format = FormatOfFileName(path);
    if (format == nullptr || format->read == nullptr) {
        Window->ShowErrorBox(WithErrorPeriod("このファイルの形式はわかりません"));
        return;
    }
    OpenRecordPath(path, *format);
}

void MnuSaveOtherClick()
{
    Record record = RecordOfGame();
    const std::string proposed = FileNamePart(NameText(GameInfo.BlackName)) + "-" +
                                 FileNamePart(NameText(GameInfo.WhiteName)) + ".sgf";
    std::string path;
    if (!Window->RunFileDialog(FileDialogKind::Save, proposed, RecordFilter(true), path))
        return;
    const FileFormat* format = FormatOfFileName(path);
    if (format == nullptr || format->write == nullptr) {
        Window->ShowErrorBox(WithErrorPeriod("保存する形式をファイル名の拡張子で選んでください"));
        return;
    }
    if (format->holds == FormatHolds::Tree) {
        // A library keeps the whole tree, not only the line on the board.
        if (ConfirmOverwrite(path))
            SaveTreeRecord(path, *format);
        return;
    }
    std::vector<CellIndex> line = RecordLine(record);
    if (format->id == FormatId::Kif && line.size() > static_cast<std::size_t>(KifuMoveSlots)) {
        // The game record's own question; yes keeps the first 150 moves.
        if (Window->Ask(
                QuestionKind::Information,
                "151手目以降は棋譜ファイルに保存できません\r\n150手目までを保存しますか？") !=
            Answer::Ok)
            return;
        line.resize(KifuMoveSlots);
        Record cut = RecordOfLine(line);
        cut.info = record.info;
        cut.setup = record.setup;
        record = std::move(cut);
    }
    const RecordWrite written = format->write(record, FormatOptions{});
    if (!written.bytes) {
        Window->ShowErrorBox(WithErrorPeriod(written.message));
        return;
    }
    if (!ConfirmOverwrite(path))
        return;
    const IoCode code = WriteWholeFile(
        path, reinterpret_cast<const std::uint8_t*>(written.bytes->data()), written.bytes->size());
    if (code != IoOk)
        ShowIoError(code);
}
