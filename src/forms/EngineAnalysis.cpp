#include "forms/EngineAnalysis.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>

#include "Board/Coordinates.h"
#include "drawing/AnalysisMark.h"
#include "forms/EngineDialog.h"
#include "forms/FomKifu.h"
#include "forms/ImageBox.h"
#include "main/EnginePosition.h"
#include "main/Geometry.h"
#include "main/State.h"

namespace {

// The log keeps the newest lines; an engine left analysing for hours prints many.
constexpr int LogLines = 5000;
// The panel is rewritten at most this often while a search reports.
constexpr int PanelPaceMs = 50;

bool SamePosition(const engine::Position& a, const engine::Position& b)
{
    return a.sideToMove == b.sideToMove && std::equal(a.board, a.board + CellTableSize, b.board);
}

bool BoardFull(const engine::Position& position)
{
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell) && position.board[cell] == CellEmpty)
            return false;
    return true;
}

QString Points(const std::vector<CellIndex>& cells)
{
    QStringList names;
    for (CellIndex cell : cells)
        names << QString::fromStdString(CellName(cell));
    return names.join(' ');
}

QString Depth(const engine::SearchReport& report)
{
    if (!report.depth)
        return {};
    QString text = QString::number(*report.depth);
    if (report.selectiveDepth)
        text += '-' + QString::number(*report.selectiveDepth);
    return text;
}

} // namespace

EngineAnalysis& TFomKifu::Analysis()
{
    if (analysis_ == nullptr)
        analysis_ = new EngineAnalysis(*this);
    return *analysis_;
}

void TFomKifu::PositionChanged()
{
    if (analysis_ != nullptr)
        analysis_->PositionChanged();
}

EngineAnalysis::EngineAnalysis(TFomKifu& window) : QObject(&window), window_(window)
{
    using engine::EngineProcess;
    connect(&process_, &EngineProcess::Ready, this, &EngineAnalysis::OnReady);
    connect(&process_, &EngineProcess::AnalysisUpdated, this, &EngineAnalysis::OnAnalysis);
    // Queued: a move is entered, and a fault's box is shown, once the process has finished
    // with the line that brought them.
    connect(&process_, &EngineProcess::MoveAnswered, this, &EngineAnalysis::OnMove,
            Qt::QueuedConnection);
    connect(&process_, &EngineProcess::Faulted, this, &EngineAnalysis::OnFault,
            Qt::QueuedConnection);
    connect(&process_, &EngineProcess::LineLogged, this, &EngineAnalysis::OnLine);

    restart_.setSingleShot(true);
    restart_.setInterval(0);
    connect(&restart_, &QTimer::timeout, this, [this] {
        if (askingMove_) {
            // The move asked for was for a position that is gone.
            askingMove_ = false;
            process_.Stop();
        }
        if (analysing_)
            SearchCurrentPosition();
    });

    panelDue_.setSingleShot(true);
    panelDue_.setInterval(PanelPaceMs);
    connect(&panelDue_, &QTimer::timeout, this, [this] { ShowPanel(QStringLiteral("思考中")); });

    log_ = new QPlainTextEdit(&window);
    log_->setObjectName(QStringLiteral("EngineLog"));
    log_->setWindowFlag(Qt::Window);
    log_->setWindowTitle(QStringLiteral("エンジンのログ"));
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(LogLines);
    log_->resize(520, 400);

    window_.LabelKentou->setWordWrap(true);
    window_.LabelKentou->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window_.LabelKentou->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    window_.LabelKentou->setMargin(4);
    window_.ImgBan->SetOverlay([self = QPointer<EngineAnalysis>(this)](QPainter& painter) {
        if (self && self->marked_ != 0)
            PaintAnalysisMark(painter, self->marked_);
    });
}

EngineAnalysis::~EngineAnalysis() = default;

void EngineAnalysis::SetProgramForThisRun(const QString& program)
{
    programForThisRun_ = program;
    if (settings_)
        settings_->program = program;
}

const engine::EngineSettings& EngineAnalysis::Settings()
{
    if (!settings_) {
        settings_ = engine::LoadEngineSettings();
        if (!programForThisRun_.isEmpty())
            settings_->program = programForThisRun_;
    }
    return *settings_;
}

void EngineAnalysis::ChooseEngine()
{
    const std::optional<engine::EngineSettings> chosen = EngineDialog::Ask(&window_, Settings());
    if (!chosen)
        return;
    engine::SaveEngineSettings(*chosen);
    settings_ = *chosen;
    programForThisRun_.clear(); // the user's choice now stands over --engine
    // The engine running was started with the old choice.
    askingMove_ = false;
    process_.Close();
    if (analysing_ && EnsureStarted())
        SearchCurrentPosition();
}

bool EngineAnalysis::EnsureStarted()
{
    if (process_.IsRunning())
        return true;
    if (Settings().program.isEmpty()) {
        Tell(QStringLiteral(
            "思考エンジンが選ばれていません。検討 → エンジンの設定 で選んでください"));
        return false;
    }
    engineName_.clear();
    process_.Start(Settings().program, Settings().limits);
    return process_.IsRunning();
}

void EngineAnalysis::SetAnalysing(bool on)
{
    if (on == analysing_) {
        Tick(on);
        return;
    }
    if (!on) {
        analysing_ = false;
        Tick(false);
        window_.LabelKentou->hide();
        Mark(0);
        if (!askingMove_)
            process_.Stop();
        return;
    }
    if (!EnsureStarted()) {
        Tick(false);
        return;
    }
    analysing_ = true;
    Tick(true);
    if (!askingMove_)
        SearchCurrentPosition();
}

void EngineAnalysis::SearchCurrentPosition()
{
    panelDue_.stop();
    asked_ = CurrentEnginePosition();
    last_ = engine::Analysis();
    Mark(0);
    if (BoardFull(asked_)) {
        process_.Stop();
        ShowPanel(QStringLiteral("盤が埋まっています"));
        return;
    }
    if (!EnsureStarted()) {
        SetAnalysing(false);
        return;
    }
    ShowPanel(QStringLiteral("思考中"));
    process_.Analyse(asked_);
}

void EngineAnalysis::AskMove()
{
    if (askingMove_)
        return; // one move at a time
    if (!EntersMoves(EditMode)) {
        Tell(QStringLiteral("AIに打たせるには、珠順設定か四追順設定にしてください"));
        return;
    }
    const engine::Position position = CurrentEnginePosition();
    if (BoardFull(position)) {
        Tell(QStringLiteral("盤が埋まっているため、AIに打たせる手がありません"));
        return;
    }
    if (!EnsureStarted())
        return;
    restart_.stop();
    panelDue_.stop();
    askingMove_ = true;
    asked_ = position;
    Mark(0);
    if (analysing_)
        ShowPanel(QStringLiteral("AIが着手を考えています"));
    process_.AskMove(asked_);
}

void EngineAnalysis::ShowLog()
{
    if (!unshownLog_.isEmpty()) {
        log_->appendPlainText(unshownLog_.join('\n'));
        unshownLog_.clear();
    }
    log_->show();
    log_->raise();
    log_->activateWindow();
}

void EngineAnalysis::PositionChanged()
{
    if (!analysing_ && !askingMove_)
        return;
    // What the engine shows belongs to the old position.
    Mark(0);
    restart_.start();
}

void EngineAnalysis::OnReady(const QString& name)
{
    engineName_ = name;
    if (analysing_ && !askingMove_)
        ShowPanel(QStringLiteral("思考中"));
}

void EngineAnalysis::OnAnalysis(const engine::Analysis& analysis)
{
    if (!analysing_ || askingMove_ || restart_.isActive())
        return;
    last_ = analysis;
    Mark(analysis.bestMove);
    if (analysis.finished) {
        panelDue_.stop();
        ShowPanel(QStringLiteral("思考終了"));
    } else if (!panelDue_.isActive()) {
        // An engine may report many times a second; the panel follows at its own pace.
        panelDue_.start();
    }
}

void EngineAnalysis::OnMove(CellIndex cell)
{
    if (!askingMove_)
        return;
    askingMove_ = false;
    // The position cannot have changed unseen (a change drops the question), but the move is
    // entered only on the position it was asked for.
    if (!SamePosition(asked_, CurrentEnginePosition()) || !EnterMoveAsPress(cell)) {
        Tell(QStringLiteral("AIの着手を入力できませんでした（局面か設定が変わりました）"));
        if (analysing_)
            SearchCurrentPosition();
        return;
    }
    // The move changed the position: analysis, if on, goes on from the new one.
}

void EngineAnalysis::OnFault(engine::Fault fault, const QString& detail)
{
    OnLine(QStringLiteral("*** ") + engine::FaultMessage(fault) +
               (detail.isEmpty() ? QString() : QStringLiteral(": ") + detail),
           true);
    const bool wasAsking = askingMove_;
    askingMove_ = false;
    restart_.stop();
    if (analysing_) {
        analysing_ = false;
        Tick(false);
        window_.LabelKentou->hide();
    }
    Mark(0);
    QString message = engine::FaultMessage(fault);
    if (wasAsking)
        message += QStringLiteral("。AIの着手は入力していません");
    Tell(message);
}

void EngineAnalysis::OnLine(const QString& line, bool fromEngine)
{
    const QString text = (fromEngine ? QStringLiteral("< ") : QStringLiteral("> ")) + line;
    if (log_->isVisible()) {
        log_->appendPlainText(text);
        return;
    }
    // Laid out only once someone looks: a hidden log costs a list entry a line.
    unshownLog_.push_back(text);
    if (unshownLog_.size() > LogLines)
        unshownLog_.pop_front();
}

void EngineAnalysis::ShowPanel(const QString& state)
{
    if (!analysing_)
        return;
    const engine::SearchReport& report = last_.report;
    auto row = [](const QString& name, const QString& value) {
        return name + QStringLiteral("：") + (value.isEmpty() ? QStringLiteral("-") : value) + '\n';
    };
    QString text = row(QStringLiteral("エンジン"),
                       engineName_.isEmpty() ? QStringLiteral("起動中") : engineName_);
    text += row(QStringLiteral("手番"),
                asked_.sideToMove == CellBlack ? QStringLiteral("黒") : QStringLiteral("白"));
    text += row(QStringLiteral("最善手"),
                last_.bestMove ? QString::fromStdString(CellName(last_.bestMove)) : QString());
    text += row(QStringLiteral("評価値"), QString::fromStdString(report.eval));
    text += row(QStringLiteral("深さ"), Depth(report));
    text += row(QStringLiteral("速度"), QString::fromStdString(report.speed));
    text += row(QStringLiteral("読み筋"), Points(last_.mainLine));
    text += state;
    QLabel* panel = window_.LabelKentou;
    if (panel->text() != text)
        panel->setText(text);
    if (panel->isHidden()) {
        panel->show();
        panel->raise();
    }
}

void EngineAnalysis::Mark(CellIndex cell)
{
    if (cell == marked_)
        return;
    // Only the cells the mark leaves and takes are painted again.
    for (CellIndex changed : {marked_, cell})
        if (changed != 0)
            window_.ImgBan->update(ViewCellX(CellColumn(changed)), ViewCellY(CellRow(changed)),
                                   ViewCell, ViewCell);
    marked_ = cell;
}

void EngineAnalysis::Tick(bool on)
{
    window_.MnuKentouSuru->setChecked(on);
}

void EngineAnalysis::Tell(const QString& message)
{
    window_.ShowErrorBox(message.toStdString());
}
