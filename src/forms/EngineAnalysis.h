// The menu 検討: an engine, as its own process, thinking about the position on the board
// (検討) or playing a move for the side to move (AIに打たせる). The window never waits on
// it: whenever the position changes the old search is stopped and a new one started, and
// what the engine reports is shown as it arrives, the best move as a mark over the board
// view and the rest in a panel beside it. Whatever goes wrong with the engine is named in
// a message box, and the record and the board stay as they were.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "Board/Cell.h"
#include "EngineProcess/EngineProcess.h"
#include "EngineProcess/EngineSettings.h"

class QPlainTextEdit;
class TFomKifu;

class EngineAnalysis : public QObject {
    Q_OBJECT
public:
    explicit EngineAnalysis(TFomKifu& window);
    // The engine gets END and is killed, with what it started, if still there a moment later.
    ~EngineAnalysis() override;

    // --engine PATH: used in this run in place of the remembered engine, and never saved.
    void SetProgramForThisRun(const QString& program);

    // エンジンの設定: the dialog; a confirmed choice is saved and used from now on.
    void ChooseEngine();
    // 検討 ticked or unticked.
    void SetAnalysing(bool on);
    // AIに打たせる.
    void AskMove();
    // エンジンのログ.
    void ShowLog();
    // The logic says the stones or the side to move changed.
    void PositionChanged();

    bool Analysing() const { return analysing_; }
    bool AskingMove() const { return askingMove_; }
    // The cell marked on the board; 0 when none.
    CellIndex MarkedMove() const { return marked_; }
    // The log, with every line so far once it has been shown.
    QPlainTextEdit* Log() const { return log_; }
    const engine::EngineProcess& Process() const { return process_; }

private:
    const engine::EngineSettings& Settings();
    // False, with the message shown, when no engine is chosen.
    bool EnsureStarted();
    void SearchCurrentPosition();
    void OnReady(const QString& name);
    void OnAnalysis(const engine::Analysis& analysis);
    void OnMove(CellIndex cell);
    void OnFault(engine::Fault fault, const QString& detail);
    void OnLine(const QString& line, bool fromEngine);
    void ShowPanel(const QString& state);
    void Mark(CellIndex cell);
    void Tick(bool on);
    void Tell(const QString& message);

    TFomKifu& window_;
    engine::EngineProcess process_;
    std::optional<engine::EngineSettings> settings_; // loaded on first need
    QString programForThisRun_;
    QString engineName_;
    bool analysing_ = false;
    bool askingMove_ = false;
    engine::Position asked_; // the position the engine is thinking about
    engine::Analysis last_;
    CellIndex marked_ = 0;
    QTimer restart_;  // one new search for all the changes of one turn of the event loop
    QTimer panelDue_; // the panel's next rewrite while a search reports
    QPlainTextEdit* log_ = nullptr;
    QStringList unshownLog_; // lines that came while the log was hidden
};
