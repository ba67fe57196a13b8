#include "main/Variations.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Set_Data/Set_Data.h"
#include "main/Cp932.h"
#include "main/Files.h"
#include "main/Moves.h"
#include "main/Port.h"
#include "main/RecordFiles.h"
#include "main/Startup.h"
#include "main/State.h"
#include "main/Status.h"

Record EditorRecord;
std::int32_t VariationMarks[CellTableSize];

namespace {

// RenLib's "not a move" flag: a node made only to hold the board text on its point.
constexpr std::uint8_t LibNotAMove = 0x02;

// LineNodes[i] is the node after the first i moves of MoveList.
NodeId LineNodes[MoveListSize + 1];
// Bumped by every change of the tree; equal to SavedVersion right after a library's
// open or save, or a new game.
long Version = 0;
long SavedVersion = 0;
bool Library = false;
std::string LibraryFile; // the library last opened or saved, proposed on the next save
bool VariationsShown = false;
std::optional<CodePage> ChosenCodePage;
NodeId LettersNode = NoNode; // the node whose letters the board shows

RecordTree& Tree()
{
    return EditorRecord.tree;
}

void Changed(bool reshaped)
{
    ++Version;
    Window->ShowTree(Tree(), reshaped);
}

int LetterOf(const std::string& text)
{
    for (int k = 1; k <= 26; ++k)
        if (text == LetterLabels[k])
            return k;
    return 0;
}

bool IsNotAMove(NodeId id)
{
    return (Tree().Node(id).libFlags & LibNotAMove) != 0;
}

// The letters of a library's position are the board text of its children on their points.
void ShowNodeLetters(NodeId node)
{
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column) {
            const CellIndex cell = MakeCell(column, row);
            int letter = 0;
            if (BoardCells[cell] == CellEmpty)
                if (const NodeId c = Tree().FindChild(node, cell); c != NoNode)
                    if (const NodeText* t = Tree().Text(c))
                        letter = LetterOf(t->boardText);
            const std::int32_t wanted = letter > 0 ? -letter : 0;
            if (CellMarks[cell] <= 0 && CellMarks[cell] != wanted) {
                CellMarks[cell] = wanted;
                DrawCell(column, row);
            }
        }
    LettersNode = node;
}

// Brings the rings up to date and redraws exactly the cells whose ring changed.
void ShowMarks()
{
    static std::int8_t wanted[CellTableSize];
    std::fill(std::begin(wanted), std::end(wanted), 0);
    if (VariationsShown) {
        const CellIndex next = MoveList[MoveCount];
        for (NodeId c = Tree().Node(Tree().Current()).firstChild; c != NoNode;
             c = Tree().Node(c).nextSibling) {
            const CellIndex move = Tree().Node(c).move;
            if (move != next && IsBoardCell(move) && !IsNotAMove(c))
                wanted[move] = 1;
        }
    }
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        if (VariationMarks[cell] == wanted[cell])
            continue;
        VariationMarks[cell] = wanted[cell];
        DrawCell(CellColumn(cell), CellRow(cell));
    }
}

bool HoldsAnalysis()
{
    const RecordTree& t = Tree();
    std::vector<NodeId> stack{t.Root()};
    while (!stack.empty()) {
        const NodeId n = stack.back();
        stack.pop_back();
        const RecordNode& node = t.Node(n);
        if (node.firstChild != NoNode && t.Node(node.firstChild).nextSibling != NoNode)
            return true;
        if (const NodeText* text = t.Text(n))
            if (!text->oneLine.empty() || !text->multiLine.empty() || !text->boardText.empty() ||
                !text->labels.empty())
                return true;
        for (NodeId c = node.firstChild; c != NoNode; c = t.Node(c).nextSibling)
            stack.push_back(c);
    }
    return false;
}

// Whether moves[from..count) can stand on the board once the line is taken back to
// `from` moves: each on an empty or freed point, none twice.
bool LineFits(const CellIndex* moves, int count, int from)
{
    static std::int32_t taken[CellTableSize];
    static std::int32_t stamp = 0;
    if (++stamp == 0) {
        std::fill(std::begin(taken), std::end(taken), 0);
        stamp = 1;
    }
    for (int i = from; i < MoveCount; ++i)
        taken[MoveList[i]] = -stamp; // freed by the takeback
    for (int i = from; i < count; ++i) {
        const CellIndex c = moves[i];
        if (!IsBoardCell(c) || taken[c] == stamp)
            return false;
        if (BoardCells[c] != CellEmpty && taken[c] != -stamp)
            return false;
        taken[c] = stamp;
    }
    return true;
}

// The child a line goes on with: the first that is a move (a library keeps its children
// in the order of their points, so a node of board text alone may come first).
NodeId NextInLine(NodeId id)
{
    NodeId c = Tree().Node(id).firstChild;
    while (c != NoNode && IsNotAMove(c))
        c = Tree().Node(c).nextSibling;
    return c;
}

void StepToSibling(int step)
{
    FollowLine();
    if (!EntersMoves(EditMode) || MoveCount == 0)
        return;
    NodeId n = LineNodes[MoveCount];
    const RecordNode* node = &Tree().Node(n);
    // A node of board text alone is no variation to step to.
    NodeId target = NoNode;
    if (step > 0) {
        target = node->nextSibling;
        while (target != NoNode && IsNotAMove(target))
            target = Tree().Node(target).nextSibling;
    } else {
        for (NodeId c = Tree().Node(node->parent).firstChild; c != n;
             c = Tree().Node(c).nextSibling)
            if (!IsNotAMove(c))
                target = c;
    }
    if (target != NoNode)
        GoToNode(target);
}

} // namespace

void ResetTree()
{
    Tree().Clear();
    EditorRecord.info = {};
    EditorRecord.setup.clear();
    EditorRecord.lib = LibOrigin{};
    std::fill(std::begin(LineNodes), std::end(LineNodes), NoNode);
    LineNodes[0] = Tree().Root();
    Version = SavedVersion = 0;
    Library = false;
    LibraryFile.clear();
    LettersNode = NoNode;
    Window->ShowTree(Tree(), true);
    ShowMarks();
}

void FollowLine()
{
    RecordTree& t = Tree();
    bool grew = false;
    int i = 0;
    for (; i < MoveListSize - 1 && MoveList[i] > 0; ++i) {
        const NodeId parent = LineNodes[i];
        const CellIndex move = MoveList[i];
        const NodeId known = LineNodes[i + 1];
        if (t.IsLive(known) && t.Node(known).parent == parent && t.Node(known).move == move)
            continue;
        NodeId n = t.FindChild(parent, move);
        if (n == NoNode) {
            n = t.AppendChild(parent, move);
            grew = true;
        } else if (IsNotAMove(n)) {
            t.NodeForReading(n).libFlags &= static_cast<std::uint8_t>(~LibNotAMove);
            grew = true;
        }
        LineNodes[i + 1] = n;
    }
    t.GoTo(LineNodes[std::min(MoveCount, i)]);
    if (grew)
        ++Version;
    Window->ShowTree(t, grew);
    if (Library && LettersNode != t.Current())
        ShowNodeLetters(t.Current());
    if (VariationsShown)
        ShowMarks();
}

NodeId LineNode(int depth)
{
    return depth >= 0 && depth < MoveListSize ? LineNodes[depth] : NoNode;
}

bool GoToNode(NodeId id)
{
    RecordTree& t = Tree();
    if (!EntersMoves(EditMode) || !t.IsLive(id))
        return false;
    FollowLine();
    static NodeId path[MoveListSize];
    static CellIndex moves[MoveListSize];
    int depth = 0;
    for (NodeId n = id; n != t.Root(); n = t.Node(n).parent) {
        if (depth == MoveListSize - 1 || IsNotAMove(n))
            return false; // too long, or board text rather than a move
        ++depth;
    }
    int i = depth;
    for (NodeId n = id; n != t.Root(); n = t.Node(n).parent) {
        path[--i] = n;
        moves[i] = t.Node(n).move;
    }
    int common = 0;
    while (common < depth && common < MoveCount && LineNodes[common + 1] == path[common])
        ++common;
    // The replay tail: on along first children while the moves fit.
    int length = depth;
    for (NodeId n = NextInLine(id); n != NoNode && length < MoveListSize - 1; n = NextInLine(n))
        moves[length++] = t.Node(n).move;
    if (!LineFits(moves, depth, common))
        return false;
    while (length > depth && !LineFits(moves, length, common))
        --length;

    const StatusBatch batch;
    while (MoveCount > common)
        TakeBackMove();
    for (int k = common; k < length; ++k)
        MoveList[k] = moves[k];
    MoveList[length] = 0;
    while (MoveCount < depth)
        ReplayMove();
    EnableBackButtons(MoveCount > 0);
    EnableForwardButtons(MoveList[MoveCount] > 0);
    FollowLine();
    ShowMoveStatus();
    return true;
}

void MnuPrevVariationClick()
{
    StepToSibling(-1);
}

void MnuNextVariationClick()
{
    StepToSibling(1);
}

void MnuPromoteClick()
{
    FollowLine();
    if (Tree().Current() == Tree().Root())
        return;
    Tree().PromoteToMainLine(Tree().Current());
    Changed(true);
}

void MnuDeleteVariationClick()
{
    FollowLine();
    const NodeId n = Tree().Current();
    if (n == Tree().Root() || !EntersMoves(EditMode))
        return;
    const NodeId parent = Tree().Node(n).parent;
    if (!GoToNode(parent))
        return;
    Tree().DeleteSubtree(n);
    MoveList[MoveCount] = 0;
    // The replay tail went through the deleted node: it now follows the first child left.
    GoToNode(parent);
    Changed(true);
}

void SetNodeComment(const std::string& oneLine, const std::string& multiLine)
{
    FollowLine();
    const NodeId n = Tree().Current();
    const NodeText* t = Tree().Text(n);
    if (t ? t->oneLine == oneLine && t->multiLine == multiLine
          : oneLine.empty() && multiLine.empty())
        return;
    Tree().SetComment(n, oneLine, multiLine);
    ++Version;
}

void SetVariationsShown(bool shown)
{
    VariationsShown = shown;
    FollowLine();
    ShowMarks();
}

void SetLibraryCodePage(std::optional<CodePage> page)
{
    ChosenCodePage = page;
}

std::optional<CodePage> LibraryCodePage()
{
    return ChosenCodePage;
}

bool LibraryOpen()
{
    return Library;
}

void TreeLetterPlaced(CellIndex cell, int letter)
{
    if (!Library)
        return;
    FollowLine();
    RecordTree& t = Tree();
    const NodeId node = t.Current();
    NodeId c = t.FindChild(node, cell);
    if (letter > 0) {
        if (c == NoNode) {
            c = t.AppendChild(node, cell);
            t.NodeForReading(c).libFlags |= LibNotAMove;
        }
        t.SetBoardText(c, LetterLabels[letter]);
    } else if (c != NoNode) {
        const RecordNode& child = t.Node(c);
        const NodeText* text = t.Text(c);
        if (IsNotAMove(c) && child.firstChild == NoNode &&
            (!text || (text->oneLine.empty() && text->multiLine.empty())))
            t.DeleteSubtree(c);
        else
            t.SetBoardText(c, "");
    } else {
        return;
    }
    LettersNode = node;
    Changed(true);
}

bool AnalysisUnsaved()
{
    FollowLine();
    return Version != SavedVersion && HoldsAnalysis();
}

bool KeepAnalysis(bool& asked)
{
    asked = false;
    if (!AnalysisUnsaved())
        return true;
    asked = true;
    const Answer answer =
        Window->Ask(QuestionKind::SaveFirst,
                    "変化・コメント・盤上テキストが保存されていません\r\n保存しますか？");
    if (answer == Answer::No)
        return true;
    if (answer != Answer::Yes)
        return false;
    MnuLibrarySaveClick();
    return Version == SavedVersion;
}

bool OpenTreeRecord(Record record, const std::string& path, std::string& message)
{
    // The board shows the record's line up to its first move that cannot stand on it.
    std::vector<CellIndex> line;
    for (NodeId n = record.tree.Root(); n != NoNode;) {
        NodeId c = record.tree.Node(n).firstChild;
        while (c != NoNode && (record.tree.Node(c).libFlags & LibNotAMove))
            c = record.tree.Node(c).nextSibling;
        if (c != NoNode)
            line.push_back(record.tree.Node(c).move);
        n = c;
    }
    static std::int8_t taken[CellTableSize];
    std::fill(std::begin(taken), std::end(taken), 0);
    for (const SetupStone& s : record.setup)
        if (IsBoardCell(s.cell))
            taken[s.cell] = 1;
    std::size_t fit = 0;
    while (fit < line.size() && fit < static_cast<std::size_t>(MoveListSize - 1) &&
           IsBoardCell(line[fit]) && !taken[line[fit]])
        taken[line[fit++]] = 1;
    line.resize(fit);
    Record shown = RecordOfLine(line);
    shown.info = record.info;
    shown.setup = record.setup;
    if (!OpenRecord(shown, message))
        return false;
    EditorRecord = std::move(record);
    std::fill(std::begin(LineNodes), std::end(LineNodes), NoNode);
    LineNodes[0] = Tree().Root();
    LettersNode = NoNode;
    Library = true;
    LibraryFile = path;
    FollowLine();
    Window->ShowTree(Tree(), true);
    SavedVersion = Version;
    return true;
}

IoCode SaveTreeRecord(const std::string& path, const FileFormat& format)
{
    FollowLine();
    // The game's names, opening and setup as the window holds them now.
    Record game = RecordOfGame();
    struct GameInfo& info = EditorRecord.info;
    std::uint8_t cut[NameFieldSize];
    StoreName(cut, info.blackPlayer);
    if (NameText(cut) != game.info.blackPlayer)
        info.blackPlayer = game.info.blackPlayer;
    StoreName(cut, info.whitePlayer);
    if (NameText(cut) != game.info.whitePlayer)
        info.whitePlayer = game.info.whitePlayer;
    if (!game.info.openingName.empty())
        info.openingName = game.info.openingName;
    EditorRecord.setup = game.setup;
    const RecordWrite written = format.write(EditorRecord, FormatOptions{ChosenCodePage});
    if (!written.bytes) {
        Window->ShowErrorBox(WithErrorPeriod(written.message));
        return IoBadContent;
    }
    const IoCode code = WriteWholeFile(
        path, reinterpret_cast<const std::uint8_t*>(written.bytes->data()), written.bytes->size());
    if (code != IoOk) {
        ShowIoError(code);
        return code;
    }
    SavedVersion = Version;
    Library = true;
    LibraryFile = path;
    return IoOk;
}

bool AskPathToOpen(const std::string& proposed, const std::string& filter, std::string& path)
{
    bool asked = false;
    return KeepAnalysis(asked) &&
           Window->RunFileDialog(FileDialogKind::Open, proposed, filter, path);
}

void MnuLibraryOpenClick()
{
    std::string path;
    if (!AskPathToOpen("", LibraryFilter(), path))
        return;
    const FileFormat* format = FormatOfFileName(path);
    if (format == nullptr || format->holds != FormatHolds::Tree) {
        Window->ShowErrorBox(WithErrorPeriod("ライブラリ(.lib, .sgf)を選んでください"));
        return;
    }
    OpenRecordPath(path, *format);
}

void MnuLibrarySaveClick()
{
    std::string proposed = LibraryFile;
    if (proposed.empty())
        proposed = FileNamePart(NameText(GameInfo.BlackName)) + "-" +
                   FileNamePart(NameText(GameInfo.WhiteName)) + ".lib";
    std::string path;
    if (!Window->RunFileDialog(FileDialogKind::Save, proposed, LibraryFilter(), path))
        return;
    const FileFormat* format = FormatOfFileName(path);
    if (format == nullptr || format->holds != FormatHolds::Tree) {
        Window->ShowErrorBox(WithErrorPeriod("保存する形式を拡張子(.lib, .sgf)で選んでください"));
        return;
    }
    if (!ConfirmOverwrite(path))
        return;
    SaveTreeRecord(path, *format);
}
