// The main window as the logic's WindowPort.
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "StTaikyoku/StTaikyoku.h"
#include "forms/FileDialogs.h"
#include "forms/FomKifu.h"
#include "forms/ImageBox.h"
#include "forms/QuestionBoxes.h"
#include "forms/TreePanel.h"
#include "main/CellLook.h"
#include "main/Diagram.h"
#include "main/Geometry.h"
#include "main/State.h"

namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

void TFomKifu::DrawCell(int column, int row)
{
    boardView_.DrawCell(column, row, LookOfCell(column, row));
    ImgBan->update(ViewCellX(column), ViewCellY(row), ViewCell, ViewCell);
}

void TFomKifu::DrawBoardText(int x, int y, const std::string& text)
{
    boardView_.DrawText(x, y, text);
    // The letter may stand out of its cell; the view is small enough to repaint whole.
    ImgBan->update();
}

void TFomKifu::DrawFocusRect(int left, int top, int right, int bottom)
{
    boardView_.DrawFocusRect(left, top, right, bottom);
    ImgBan->update();
}

void TFomKifu::SetMemo(const std::string& text)
{
    Memo1->setPlainText(Utf8(text));
}

void TFomKifu::SetButtonEnabled(NavButton button, bool enabled)
{
    NavigationButton(button)->setEnabled(enabled);
}

void TFomKifu::SetPanelVisible(PanelId panel, bool visible)
{
    auto* widget = static_cast<QWidget*>(Control(panel));
    if (panel == PanelId::ImgGazouBan && visible) {
        // Each export resizes the picture; the component shows it 1:1 above the board.
        const QImage& picture = exportPicture_.Image();
        if (!picture.isNull()) {
            ImgGazouBan->resize(picture.size());
        }
        ImgGazouBan->raise();
        ImgGazouBan->update();
    }
    widget->setVisible(visible);
}

void TFomKifu::SetMenuChecked(MenuTick item, bool checked)
{
    // The items hold their own ticks; ticking a radio item unticks the others of its
    // exclusive group.
    MenuAction(item)->setChecked(checked);
}

void TFomKifu::SetText(TextId field, const std::string& text)
{
    QObject* control = Control(field);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(Utf8(text));
    } else {
        static_cast<QLineEdit*>(control)->setText(Utf8(text));
    }
}

int TFomKifu::ScrollMojiPosition()
{
    return ScrollMoji->value();
}

void TFomKifu::SetScrollMojiPosition(int position)
{
    // The bar keeps the position in its range; the logic reports the change itself, so
    // the bar's signal, which stands for the user's changes, stays quiet.
    const QSignalBlocker quiet(ScrollMoji);
    ScrollMoji->setValue(position);
}

Answer TFomKifu::Ask(QuestionKind kind, const std::string& text)
{
    if (Dialogs.ask) {
        return Dialogs.ask(kind, text);
    }
    return RunQuestionBox(this, kind, Utf8(text));
}

void TFomKifu::ShowErrorBox(const std::string& message)
{
    if (Dialogs.errorBox) {
        Dialogs.errorBox(message);
        return;
    }
    RunErrorBox(this, Utf8(message));
}

QFileDialog* TFomKifu::FileDialog(FileDialogKind kind)
{
    // Built on first use: a file dialog is slow to create and most runs never need one.
    QFileDialog*& dialog = kind == FileDialogKind::Open ? openDialog_ : saveDialog_;
    if (dialog == nullptr) {
        dialog = CreateFileDialog(this, kind);
        dialog->setObjectName(kind == FileDialogKind::Open ? QStringLiteral("OpenDialog1")
                                                           : QStringLiteral("SaveDialog1"));
    }
    return dialog;
}

bool TFomKifu::RunFileDialog(FileDialogKind kind, const std::string& fileName,
                             const std::string& filter, std::string& chosen)
{
    if (Dialogs.fileDialog) {
        return Dialogs.fileDialog(kind, fileName, filter, chosen);
    }
    return ::RunFileDialog(*FileDialog(kind), fileName, filter, chosen);
}

std::optional<GameSettings> TFomKifu::AskGameSettings(const GameSettings& current)
{
    // Built when first asked for: nothing of it is needed to show the window.
    if (Set_Taikyoku == nullptr)
        Set_Taikyoku = new TSet_Taikyoku(this);
    return Set_Taikyoku->Ask(current);
}

void TFomKifu::CloseMainWindow()
{
    close();
}

void TFomKifu::BuildExportPicture(const Diagram& figure)
{
    exportPicture_.Build(figure);
}

bool TFomKifu::EncodeExportPicture(const Diagram& figure, PictureFormat format,
                                   std::vector<std::uint8_t>& bytes)
{
    bytes = EncodeDiagram(figure, format);
    return true;
}

namespace {

// A search shorter than this shows no box at all.
constexpr int ProgressDelayMs = 300;

} // namespace

void TFomKifu::BeginProgress(const std::string& text)
{
    progressText_ = Utf8(text);
    progressClock_.start();
}

bool TFomKifu::KeepGoing()
{
    if (progress_ == nullptr && progressClock_.isValid() &&
        progressClock_.elapsed() >= ProgressDelayMs) {
        progress_ = new QProgressDialog(progressText_, QStringLiteral("キャンセル"), 0, 0, this);
        progress_->setWindowTitle(QString::fromUtf8(ApplicationTitle));
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(0);
        progress_->show();
    }
    // Until the box stands over the window, a press on the board must not reach it.
    QCoreApplication::processEvents(progress_ == nullptr ? QEventLoop::ExcludeUserInputEvents
                                                         : QEventLoop::AllEvents);
    return progress_ == nullptr || !progress_->wasCanceled();
}

void TFomKifu::EndProgress()
{
    delete progress_;
    progress_ = nullptr;
    progressClock_.invalidate();
}

void TFomKifu::ShowInformation(const std::string& text)
{
    if (Dialogs.information) {
        Dialogs.information(text);
        return;
    }
    RunInformationBox(this, Utf8(text));
}

void TFomKifu::ShowTree(const RecordTree& tree, bool reshaped)
{
    // A hidden panel is laid out again when it is shown.
    if (TreeView != nullptr && TreeView->isVisible())
        TreeView->SetTree(tree, reshaped);
}
