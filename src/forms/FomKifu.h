// The main window FomKifu: the board view, the three lower panels, the status box, the
// game-information panel and the menu bar. It is the logic's WindowPort, and each of
// its handlers (control name + event) is a thin call into the logic.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "drawing/BoardView.h"
#include "drawing/ExportPicture.h"
#include "forms/BoardCoordinates.h"
#include "forms/FomKifuControls.h"
#include "main/Port.h"

class EngineAnalysis;
class ImageBox;
class TreePanel;
class QAction;
class QActionGroup;
class QFileDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QScrollBar;
class QToolButton;

// Replacements for the modal boxes, so tests can answer them; empty members use the
// real boxes.
struct DialogHooks {
    std::function<Answer(QuestionKind, const std::string&)> ask;
    std::function<void(const std::string&)> errorBox;
    std::function<void(const std::string&)> information;
    std::function<bool(FileDialogKind, const std::string& fileName, const std::string& filter,
                       std::string& chosen)>
        fileDialog;
};

class TFomKifu : public QMainWindow, public WindowPort {
    Q_OBJECT
public:
    // Builds the layout, points Window at this window and runs FormCreate.
    explicit TFomKifu(QWidget* parent = nullptr);
    ~TFomKifu() override;

    // WindowPort
    void DrawCell(int column, int row) override;
    void DrawBoardText(int x, int y, const std::string& text) override;
    void DrawFocusRect(int left, int top, int right, int bottom) override;
    void SetMemo(const std::string& text) override;
    void SetButtonEnabled(NavButton button, bool enabled) override;
    void SetPanelVisible(PanelId panel, bool visible) override;
    void SetMenuChecked(MenuTick item, bool checked) override;
    void SetText(TextId field, const std::string& text) override;
    int ScrollMojiPosition() override;
    void SetScrollMojiPosition(int position) override;
    Answer Ask(QuestionKind kind, const std::string& text) override;
    void ShowErrorBox(const std::string& message) override;
    bool RunFileDialog(FileDialogKind kind, const std::string& fileName, const std::string& filter,
                       std::string& chosen) override;
    std::optional<GameSettings> AskGameSettings(const GameSettings& current) override;
    void CloseMainWindow() override;
    void BuildExportPicture(const Diagram& figure) override;
    bool EncodeExportPicture(const Diagram& figure, PictureFormat format,
                             std::vector<std::uint8_t>& bytes) override;
    void BeginProgress(const std::string& text) override;
    bool KeepGoing() override;
    void EndProgress() override;
    void ShowInformation(const std::string& text) override;
    void ShowTree(const RecordTree& tree, bool reshaped) override;

    const BoardView& Board() const { return boardView_; }
    const ExportPicture& Export() const { return exportPicture_; }
    // What the window built for a row of its control table, by name or by port id.
    QObject* Control(const char* name) const;
    QObject* Control(PortId id) const;
    QToolButton* NavigationButton(NavButton button) const;
    QAction* MenuAction(MenuTick item) const;
    // The shared dialogs, created on first use.
    QFileDialog* FileDialog(FileDialogKind kind);

    DialogHooks Dialogs;

    // Controls, named as the user-interface layout names them; set from the control
    // table, which also builds the rows that have no member here.
    ImageBox* ImgBan = nullptr;
    QFrame* PanelSyujun = nullptr;
    QToolButton* BitBackAll = nullptr;
    QToolButton* BitBack2 = nullptr;
    QToolButton* BitBack1 = nullptr;
    QToolButton* BitGo1 = nullptr;
    QToolButton* BitGo2 = nullptr;
    QToolButton* BitGoAll = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QFrame* PanelMoji = nullptr;
    QScrollBar* ScrollMoji = nullptr;
    QLabel* LabelMoji = nullptr;
    QFrame* PanelTaikyokuData = nullptr;
    QLineEdit* EditSyukei = nullptr;
    QLineEdit* EditKuroKisi = nullptr;
    QLineEdit* EditSiroKisi = nullptr;
    QFrame* PanelHaiseki = nullptr;
    QLabel* LabelLeftClick = nullptr;
    QPushButton* BtnkoutaiMouse = nullptr;
    QLabel* LabelRightClick = nullptr;
    ImageBox* ImgGazouBan = nullptr;
    QLabel* LabelSyukeiMei = nullptr;

    QMenu* MnuFile = nullptr;
    QAction* MnuOpen = nullptr;
    QAction* MnuSaveAs = nullptr;
    QAction* MnuHaisekiOpen = nullptr;
    QAction* MnuHaisekiSave = nullptr;
    QAction* N1 = nullptr;
    QAction* MnuExit = nullptr;
    QAction* N2 = nullptr;
    QAction* MnuOpenOther = nullptr;
    QAction* MnuSaveOther = nullptr;
    QMenu* MnuHozon = nullptr;
    QAction* MnuWBHozon = nullptr;
    QAction* MnuWBHaniSetei = nullptr;
    QMenu* MnuTaikyoku = nullptr;
    QAction* MnuSetTaikyoku = nullptr;
    QMenu* MnuKyokumen = nullptr;
    QAction* MnuClear = nullptr;
    QMenu* MnuSettei = nullptr;
    QAction* MnuSetTe = nullptr;
    QAction* MnuSetMoji = nullptr;
    QAction* MnuSetIsi = nullptr;
    QAction* MnuSetSioi = nullptr;
    QActionGroup* ModeGroup = nullptr;
    QMenu* MnuTool = nullptr;
    QAction* MnuSyujyun = nullptr;
    QAction* MnuSiTome = nullptr;
    QAction* MnuKinsyu = nullptr;
    QAction* MnuSioiSagasu = nullptr;
    QAction* MnuZahyou = nullptr;
    QMenu* MnuHensyu = nullptr;
    QAction* MnuKifuCopy = nullptr;
    QAction* MnuBanCopy = nullptr;
    QAction* MnuHarituke = nullptr;
    QLabel* LabelKentou = nullptr;
    QMenu* MnuKentou = nullptr;
    QAction* MnuEngineSettei = nullptr;
    QAction* MnuKentouSuru = nullptr;
    QAction* MnuAiUtasu = nullptr;
    QAction* MnuEngineLog = nullptr;

    // The engine's analysis and play (menu 検討), made on first use; see EngineAnalysis.
    EngineAnalysis& Analysis();
    void PositionChanged() override;
    QMenu* MnuHenka = nullptr;
    // The tree panel, made when it is first asked for.
    TreePanel* TreeView = nullptr;

    // The coordinates around the board: room is made for them while they are shown, and
    // the window is put back exactly as it was when they go.
    void ShowCoordinates(bool shown);
    const CoordinatesLayout& Coordinates() const { return coordinates_; }

    // Keys, drops and the wheel over the board while the window is up; see FomKifuInput.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Builds every row of the control table, connects it to its handler and sets the
    // tab chain.
    void BuildFromTable();
    QObject* Build(const FomKifuControl& row, QObject* parent);
    void FitOuterSize();
    void SetUpInput();
    bool KeyPress(QObject* receiver, QKeyEvent* event);
    bool DragOrDrop(QObject* receiver, QEvent* event);

    BoardView boardView_;
    ExportPicture exportPicture_;
    CoordinatesLayout coordinates_;
    EngineAnalysis* analysis_ = nullptr;
    QFileDialog* openDialog_ = nullptr; // OpenDialog1
    QFileDialog* saveDialog_ = nullptr; // SaveDialog1
    std::vector<QObject*> controls_;    // one for each row of the control table
    // The progress box of a long search: shown once the search has run ProgressDelayMs.
    QProgressDialog* progress_ = nullptr;
    QElapsedTimer progressClock_;
    QString progressText_;
    bool placed_ = false;
    bool frameFitted_ = false;
};

// The main window, set while it is being created (before FormCreate runs).
extern TFomKifu* FomKifu;
