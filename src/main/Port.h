// The only way the logic reaches the window. The real main window implements it with
// widgets; tests implement it with a scripted fake. Where doing nothing is a sound
// answer the port does nothing unless a window says otherwise, so a new method touches
// only the windows that show it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Diagram; // main/Diagram.h: what an export shows
class RecordTree;

enum class NavButton { BitBackAll, BitBack2, BitBack1, BitGo1, BitGo2, BitGoAll };
enum class PanelId { PanelSyujun, PanelMoji, PanelHaiseki, PanelTaikyokuData, ImgGazouBan };
enum class MenuTick {
    MnuSetTe,
    MnuSetMoji,
    MnuSetIsi,
    MnuSetSioi,
    MnuSyujyun,
    MnuSiTome,
    MnuKinsyu
};
enum class TextId {
    EditSyukei,
    EditKuroKisi,
    EditSiroKisi,
    LabelMoji,
    LabelLeftClick,
    LabelRightClick,
    // The standard opening the game's first three moves form, named; "" when none.
    LabelSyukeiMei
};
// Information: "情報", OK / キャンセル. Confirmation: "確認", はい(&Y) / いいえ(&N).
// SaveFirst: "確認", 保存する(&S) / 保存しない(&N) / キャンセル, answered Yes / No / Cancel.
enum class QuestionKind { Information, Confirmation, SaveFirst };
// The close box of a question answers Cancel.
enum class Answer { Ok, Cancel, Yes, No };
enum class FileDialogKind { Open, Save };
// The file formats the export picture can be encoded in; BMP is the one the export
// always had.
enum class PictureFormat { Bmp, Svg, Pdf, Png };

// The letter chooser's positions: −1 the eraser, 0 to 25 the letters A to Z.
constexpr int ScrollMojiMin = -1;
constexpr int ScrollMojiMax = 25;

// What the settings dialog edits: the opening (0 none, 1 to 26) and the players' names
// as typed (UTF-8; the logic cuts them to what the record holds).
struct GameSettings {
    int opening = 0;
    std::string blackName;
    std::string whiteName;
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Board view (all text is UTF-8).
    virtual void DrawCell(int /*column*/, int /*row*/) {}
    // The letter of a letter-mode press, drawn at once in the board view's font.
    virtual void DrawBoardText(int /*x*/, int /*y*/, const std::string& /*text*/) {}
    // Dotted inverting rectangle: drawing it twice removes it.
    virtual void DrawFocusRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}

    // Replaces the whole content of Memo1; lines are separated by '\n'.
    virtual void SetMemo(const std::string& /*text*/) {}
    virtual void SetButtonEnabled(NavButton /*button*/, bool /*enabled*/) {}
    virtual void SetPanelVisible(PanelId /*panel*/, bool /*visible*/) {}
    // Ticking one of the four mode items unticks the other three.
    virtual void SetMenuChecked(MenuTick /*item*/, bool /*checked*/) {}
    virtual void SetText(TextId /*field*/, const std::string& /*text*/) {}

    // ScrollMoji keeps its position within ScrollMojiMin..ScrollMojiMax. Setting it reports
    // nothing: the logic runs ScrollMojiChange itself, the bar's own signal only for the user's
    // changes. The position read and the answer to a question have no default: every window
    // gives its own.
    virtual int ScrollMojiPosition() = 0;
    virtual void SetScrollMojiPosition(int /*position*/) {}

    virtual Answer Ask(QuestionKind kind, const std::string& text) = 0;
    // The error box: error icon, caption "Korvane", one OK.
    virtual void ShowErrorBox(const std::string& /*message*/) {}
    // Returns false on cancel; `chosen` gets the path otherwise.
    virtual bool RunFileDialog(FileDialogKind /*kind*/, const std::string& /*fileName*/,
                               const std::string& /*filter*/, std::string& /*chosen*/)
    {
        return false;
    }
    // Shows Set_Taikyoku modally, loaded with `current`; what OK confirmed, nothing on
    // Cancel, Esc or the close box.
    virtual std::optional<GameSettings> AskGameSettings(const GameSettings& /*current*/)
    {
        return std::nullopt;
    }
    // Closes the main window; the closing asks FormCloseQuery.
    virtual void CloseMainWindow() {}

    // Export picture (ImgGazouBan): shows the figure the logic described.
    virtual void BuildExportPicture(const Diagram& /*figure*/) {}
    // The whole file of `figure` in `format`, in memory; the logic writes it. False when
    // the figure cannot be encoded. The logic passes the figure it had the window show.
    virtual bool EncodeExportPicture(const Diagram& /*figure*/, PictureFormat /*format*/,
                                     std::vector<std::uint8_t>& /*bytes*/)
    {
        return false;
    }

    // A long piece of work: the window shows a cancellable progress box once the work has
    // run about 0.3 s. KeepGoing lets the window handle its events and is false once the
    // user has cancelled. A window without such a box lets the work run to its end.
    virtual void BeginProgress(const std::string& /*text*/) {}
    virtual bool KeepGoing() { return true; }
    virtual void EndProgress() {}
    // An information box ("情報", the information icon) with the one button OK.
    virtual void ShowInformation(const std::string& /*text*/) {}
    // The stones on the board or the side to move differ from when the window was last told:
    // sent once a command has finished, so a window with an engine analysing can start anew.
    virtual void PositionChanged() {}

    // The analysis tree: its shape changed (`reshaped`) or only its current node moved.
    // The tree panel draws from it; the reference holds until the next call.
    virtual void ShowTree(const RecordTree& /*tree*/, bool /*reshaped*/) {}
};

// The window the logic talks to; set once at start-up (or by a test).
extern WindowPort* Window;

enum class MouseButton { Left, Right, Middle };
