// An engine as its own process, spoken to through the protocol module. Nothing here waits:
// commands are written, answers are read as they arrive, and what they mean comes back as
// signals carrying values. An engine is never trusted: every answer is checked against the
// board and the rules judge, and any fault ends the engine with the fault named.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

#include "Engine/Protocol.h"

class QProcess;

namespace engine {

// What went wrong with an engine; each has its own message for the user.
enum class Fault {
    CannotStart,      // no such program, not executable, or no OK to START in time
    Refused,          // ERROR (or UNKNOWN) where an answer was due
    Crashed,          // the process ended by itself
    Garbage,          // a line that is not the protocol
    NoMove,           // no move within the time and the grace after it; killed
    OffBoard,         // a move off the board
    Occupied,         // a move onto a stone
    ForbiddenToBlack, // a move black may not play
};

// The user's message for a fault, in Japanese.
QString FaultMessage(Fault fault);

struct EngineLimits {
    int turnMs = 1000;         // INFO timeout_turn: the time for a move or one analysis
    int threads = 0;           // INFO thread_num; 0 leaves the engine's own choice
    long long memoryBytes = 0; // INFO max_memory; 0 leaves the engine's own choice
    int graceMs = 1000;        // how long past turnMs an answer may take
    int startMs = 5000;        // from starting the program to its answer to ABOUT
    int closeMs = 500;         // from END to killing an engine that is still there
};

// The engine's view of a position so far. Until `finished`, `bestMove` is the first move of
// the main line (0 when there is none yet); once the engine has answered, its answer.
struct Analysis {
    CellIndex bestMove = 0;
    SearchReport report;
    std::vector<CellIndex> mainLine;
    std::vector<MainLine> bestLines; // YXNBEST's lines, by rank
    bool finished = false;
};

class EngineProcess : public QObject {
    Q_OBJECT
public:
    explicit EngineProcess(QObject* parent = nullptr);
    // Ends the engine: END, then killed if it is still there a moment later.
    ~EngineProcess() override;

    // Starts `program` and says START 15, the rule and the limits, ABOUT. Ready or Faulted
    // follows. A running engine is closed first.
    void Start(const QString& program, const EngineLimits& limits);
    // Thinks about `position` for the turn's time; the search under way, if any, is stopped
    // first (YXSTOP; an engine without it is restarted). With `bestCount` above 1 the engine
    // is asked for that many lines (YXNBEST). Only the newest position asked for counts.
    void Analyse(const Position& position, int bestCount = 1);
    // A move for the side to move of `position`, answered by MoveAnswered once checked.
    void AskMove(const Position& position);
    // Stops the search under way; its answer is dropped.
    void Stop();
    // END, and the process killed after the limits' closeMs if it is still running.
    void Close();

    bool IsRunning() const { return process_ != nullptr; }
    bool CanStop() const { return canStop_; }
    QString Name() const { return name_; }
    const EngineLimits& Limits() const { return limits_; }

signals:
    // The engine has started and answered ABOUT (its name="…", or the program's file name).
    void Ready(const QString& name);
    void AnalysisUpdated(const engine::Analysis& analysis);
    void MoveAnswered(CellIndex cell);
    // The engine has been ended; `detail` is what it said or did, for the log.
    void Faulted(engine::Fault fault, const QString& detail);
    // Every line to and from the engine (its standard error too), for the log view.
    void LineLogged(const QString& line, bool fromEngine);

private:
    enum class Phase {
        Off,
        AwaitOk,    // START sent
        AwaitAbout, // the limits and ABOUT sent
        AwaitProbe, // YXSTOP and ABOUT sent: an UNKNOWN or ERROR first means no YXSTOP
        Idle,
        Searching,
        Stopping, // YXSTOP sent; the stopped search's answer is dropped
    };
    enum class JobKind { Analyse, Move };
    struct Job {
        JobKind kind = JobKind::Analyse;
        Position position;
        int bestCount = 1;
    };

    void Launch();
    void Pump();
    void Send(const std::string& text);
    void Search(Job job);
    void OnOutput();
    void OnErrorOutput();
    void OnLine(const std::string& raw);
    void OnSearchLine(const Line& line);
    void OnAnswer(const Line& line);
    void Fail(Fault fault, const QString& detail);
    // Sends END and lets the process go; it is killed if it has not ended after closeMs.
    void Release(bool sayEnd);
    void ArmDeadline(int ms);

    QString program_;
    EngineLimits limits_;
    QProcess* process_ = nullptr;
    Phase phase_ = Phase::Off;
    QString name_;
    bool canStop_ = true;
    bool sawProbeRefusal_ = false;
    std::optional<Job> pending_;
    std::optional<Job> current_;
    Analysis analysis_;
    QTimer deadline_;
};

} // namespace engine

Q_DECLARE_METATYPE(engine::Analysis)
Q_DECLARE_METATYPE(engine::Fault)
