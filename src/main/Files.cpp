#include "main/Files.h"

#include <sys/stat.h>

#include <cstdint>

#include "main/Cp932.h"
#include "main/FileIo.h"
#include "main/FormatTable.h"
#include "main/HaisekiFile.h"
#include "main/KifuFile.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Port.h"
#include "main/RecordFiles.h"
#include "main/Settings.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"
#include "main/Variations.h"

namespace {

const char* const KifuFilter = "棋譜データ(*.kif)|*.kif";
const char* const HaisekiFilter = "盤データ(*.dat)|*.dat";

// File images of both formats; module-level so no command allocates them.
std::uint8_t KifuBytes[KifuFileSize];
KifuRecordLayout KifuScratch;

int MoveListLength()
{
    int length = 0;
    while (length < MoveListSize && MoveList[length] > 0)
        ++length;
    return length;
}

// The code point of the last UTF-8 character; a broken tail counts as its byte.
std::uint32_t LastCodePoint(const std::string& text)
{
    std::size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 &&
           (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    const auto lead = static_cast<unsigned char>(text[start]);
    const std::size_t length = text.size() - start;
    const std::size_t expected = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (length != expected || (lead >= 0x80 && lead < 0xC2))
        return static_cast<unsigned char>(text.back());
    std::uint32_t cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t i = start + 1; i < text.size(); ++i)
        cp = cp << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    return cp;
}

} // namespace

std::string FileNamePart(const std::string& name)
{
    // A "/" would lead the proposed name into another folder, and a control character
    // has no place in a file name; the stored name keeps both.
    std::string part = name;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const auto c = static_cast<unsigned char>(part[i]);
        if (c == '/' || c < 0x20 || c == 0x7F) {
            part[i] = '_';
        } else if (c == 0xC2 && i + 1 < part.size() &&
                   static_cast<unsigned char>(part[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(part[i + 1]) <= 0x9F) {
            // U+0080 to U+009F, the second set of control characters.
            part.replace(i, 2, "_");
        }
    }
    return part;
}

std::string WithErrorPeriod(const std::string& message)
{
    if (!message.empty() && LastCodePoint(message) > '.')
        return message + ".";
    return message;
}

void ShowIoError(IoCode code)
{
    Window->ShowErrorBox(WithErrorPeriod(IoErrorMessage(code)));
}

bool ConfirmOverwrite(const std::string& fileName)
{
    if (!FileExists(fileName))
        return true;
    const Answer answer = Window->Ask(QuestionKind::Information,
                                      fileName + "ファイルはすでに存在します\r\n上書きしますか？");
    return answer == Answer::Ok;
}

void MnuSaveAsClick()
{
    // The file holds 150 moves; a longer record is never cut without the user's word.
    const int length = MoveListLength();
    if (length > KifuMoveSlots &&
        Window->Ask(QuestionKind::Information,
                    "151手目以降は棋譜ファイルに保存できません\r\n150手目までを保存しますか？") !=
            Answer::Ok)
        return;
    StoreMoves(KifuRecord, MoveList, length);

    const std::string proposed = FileNamePart(NameText(GameInfo.BlackName)) + "-" +
                                 FileNamePart(NameText(GameInfo.WhiteName)) + ".kif";
    std::string path;
    if (!Window->RunFileDialog(FileDialogKind::Save, proposed, KifuFilter, path))
        return;
    if (!ConfirmOverwrite(path))
        return;
    EncodeKifuRecord(KifuRecord, KifuBytes);
    const IoCode code = WriteWholeFile(path, KifuBytes, KifuFileSize);
    if (code != IoOk)
        ShowIoError(code);
}

IoCode OpenKifuImage(const std::uint8_t (&bytes)[KifuFileSize])
{
    // Checked whole before anything changes, so a refused file leaves the game.
    if (!DecodeKifuRecord(bytes, KifuScratch))
        return IoBadContent;
    KifuRecord = KifuScratch;

    const StatusBatch batch; // the box shows the last move's line only
    ResetBoard();
    ShowMoveNumbers = 1;
    Window->SetMenuChecked(MenuTick::MnuSyujyun, true);
    SelectedOpening = GameInfo.Opening;
    ShowPlayerNames();
    SetupOpening();
    Window->SetPanelVisible(PanelId::PanelTaikyokuData, true);
    // With an opening its own three moves stand for the first three slots.
    const int stored = StoredMoveCount(KifuRecord);
    while (MoveCount < stored) {
        MoveList[MoveCount] = KifuRecord.Moves[MoveCount];
        MoveList[MoveCount + 1] = 0;
        ReplayMove();
    }
    return IoOk;
}

IoCode OpenKifuPath(const std::string& path)
{
    // Read into scratch: a failed or short read leaves the game as it was.
    IoCode code = ReadFileExact(path, KifuBytes, KifuFileSize);
    if (code == IoOk)
        code = OpenKifuImage(KifuBytes);
    if (code != IoOk)
        ShowIoError(code);
    return code;
}

void MnuOpenClick()
{
    std::string path;
    if (!AskPathToOpen(".kif", KifuFilter, path))
        return;
    OpenKifuPath(path);
}

void MnuHaisekiSaveClick()
{
    PackBoard(BoardCells, HaisekiBuffer);
    std::string path;
    if (!Window->RunFileDialog(FileDialogKind::Save, ".dat", HaisekiFilter, path))
        return;
    if (!ConfirmOverwrite(path))
        return;
    const IoCode code = WriteWholeFile(path, HaisekiBuffer, HaisekiFileSize);
    if (code != IoOk)
        ShowIoError(code);
}

IoCode OpenHaisekiImage(const std::uint8_t (&bytes)[HaisekiFileSize])
{
    static BoardColours colours;
    if (!UnpackBoard(bytes, colours))
        return IoBadContent;

    ResetBoard();
    for (int row = 1; row <= BoardLines; ++row) {
        for (int column = 1; column <= BoardLines; ++column) {
            const int v = colours[row - 1][column - 1];
            if (v == CellEmpty)
                continue;
            BoardCells[MakeCell(column, row)] = v;
            DrawCell(column, row);
            if (v == CellBlack)
                ++BlackStoneTotal;
            else
                ++WhiteStoneTotal;
        }
    }
    ShowStoneCounts();
    return IoOk;
}

IoCode OpenHaisekiPath(const std::string& path)
{
    IoCode code = ReadFileExact(path, HaisekiBuffer, HaisekiFileSize);
    if (code == IoOk)
        code = OpenHaisekiImage(HaisekiBuffer);
    if (code != IoOk)
        ShowIoError(code);
    return code;
}

void MnuHaisekiOpenClick()
{
    std::string path;
    if (!AskPathToOpen(".dat", HaisekiFilter, path))
        return;
    OpenHaisekiPath(path);
}

OpenedKind KindOfFile(const std::string& path)
{
    if (const FileFormat* format = FormatOfFileName(path)) {
        if (format->id == FormatId::Kif)
            return OpenedKind::Kifu;
        if (format->id == FormatId::Dat)
            return OpenedKind::Haiseki;
        if (format->holds != FormatHolds::Picture)
            return OpenedKind::Other;
        return OpenedKind::Unknown;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        if (info.st_size == KifuFileSize)
            return OpenedKind::Kifu;
        if (info.st_size == HaisekiFileSize)
            return OpenedKind::Haiseki;
    }
    return OpenedKind::Unknown;
}

IoCode OpenPath(const std::string& path)
{
    switch (KindOfFile(path)) {
    case OpenedKind::Kifu:
        return OpenKifuPath(path);
    case OpenedKind::Haiseki:
        return OpenHaisekiPath(path);
    case OpenedKind::Other:
        return OpenRecordPath(path, *FormatOfFileName(path));
    case OpenedKind::Unknown:
        break;
    }
    // Neither by name nor by size one of ours: a file that can be read is not a record.
    std::uint8_t first = 0;
    IoCode code = ReadFileExact(path, &first, 1);
    if (code == IoOk || code == IoShortRead)
        code = IoBadContent;
    ShowIoError(code);
    return code;
}
