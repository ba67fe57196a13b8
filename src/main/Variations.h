// The analysis tree of the game being edited. The shared state's line (MoveList,
// MoveCount and the replay tail) is a path through it: entering a move after stepping
// back keeps the old continuation as a variation. Also the 変化 menu's commands and the
// question asked before analysis that no library holds is dropped.
#pragma once

#include <optional>
#include <string>

#include "Record/Record.h"
#include "main/FileIo.h"
#include "main/FormatTable.h"

// The record being edited: its tree, and what a library it came from said of itself.
extern Record EditorRecord;

// A new tree of no moves, with no library: the board was reset.
void ResetTree();
// Takes the shared state's line into the tree (a move not in it becomes a new node) and
// makes the node after MoveCount moves current. Allocates nothing while the pool has room.
void FollowLine();
// The node after `depth` moves of the line (0 is the root).
NodeId LineNode(int depth);

// Puts the board at the node: the line becomes its path, continued along first children
// as the replay tail. False, with nothing changed, outside move entry or when its moves
// cannot be shown (a pass, or a point already taken).
bool GoToNode(NodeId id);

// ↑ / ↓: the previous or next variation of the current move.
void MnuPrevVariationClick();
void MnuNextVariationClick();
// The current node and its ancestors become the main line.
void MnuPromoteClick();
// The current node's subtree goes; the board steps back to its parent.
void MnuDeleteVariationClick();
void MnuLibraryOpenClick();
void MnuLibrarySaveClick();
// The text encoding of the libraries opened and saved from now on; none: found from the
// bytes on open, and on save the one the library came in (CP932 for a new one).
void SetLibraryCodePage(std::optional<CodePage> page);
std::optional<CodePage> LibraryCodePage();

// The comment of the current node (UTF-8; the multi-line one with '\n').
void SetNodeComment(const std::string& oneLine, const std::string& multiLine);
// Whether the first moves of the variations are marked on the board ("変化を盤に表示").
void SetVariationsShown(bool shown);
// 1 on each empty point where a variation of the position shown begins, while they are
// shown; 0 elsewhere.
extern std::int32_t VariationMarks[CellTableSize];

// Whether a library file (.lib, .sgf) was opened or saved for the tree: then the letters
// of letter placement belong to the current node and follow it.
bool LibraryOpen();
// A letter placed (1 to 26, LetterLabels) or erased (0) on an empty point.
void TreeLetterPlaced(CellIndex cell, int letter);

// Before the game is dropped (another file, a clear, the close): when the tree holds
// variations, comments or board text that no library has saved, asks whether to save
// them first. False when the user cancels or the save does not happen; `asked` tells
// whether the question was put, so the caller's own question is not asked twice.
bool KeepAnalysis(bool& asked);
// An open command's file dialog, after KeepAnalysis: false, with nothing changed, when the
// user cancels either.
bool AskPathToOpen(const std::string& proposed, const std::string& filter, std::string& path);
// Whether the tree holds variations, comments or board text not saved to a library.
bool AnalysisUnsaved();

// Opens a whole tree as the game: the board shows its current line as far as that can be
// shown. False with `message` set, nothing changed, when its setup does not fit the board.
bool OpenTreeRecord(Record record, const std::string& path, std::string& message);
// Writes the tree with the game's names and setup through the format's row.
IoCode SaveTreeRecord(const std::string& path, const FileFormat& format);
