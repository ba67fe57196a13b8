#include "EngineProcess/EngineProcess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaMethod>
#include <QProcess>

#include <algorithm>
#include <csignal>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace engine {

namespace {

// A line longer than this without its end is not the protocol.
constexpr qint64 LongestLine = 64 * 1024;

// The engine leads a process group of its own (see Launch), so a script that runs the real
// engine as its child takes that child with it.
void KillEngine(QProcess* process)
{
    const qint64 pid = process->processId();
    if (pid > 0 && process->state() != QProcess::NotRunning)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process->kill();
}

} // namespace

QString FaultMessage(Fault fault)
{
    switch (fault) {
    case Fault::CannotStart:
        return QStringLiteral("思考エンジンを起動できませんでした");
    case Fault::Refused:
        return QStringLiteral("思考エンジンがエラーを返しました");
    case Fault::Crashed:
        return QStringLiteral("思考エンジンが異常終了しました");
    case Fault::Garbage:
        return QStringLiteral("思考エンジンが通信規約にない行を出力しました");
    case Fault::NoMove:
        return QStringLiteral("思考エンジンが時間内に着手を返さないため停止しました");
    case Fault::OffBoard:
        return QStringLiteral("思考エンジンが盤外の点に着手しました");
    case Fault::Occupied:
        return QStringLiteral("思考エンジンが石のある点に着手しました");
    case Fault::ForbiddenToBlack:
        return QStringLiteral("思考エンジンが黒の禁手点に着手しました");
    }
    return {};
}

EngineProcess::EngineProcess(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<engine::Analysis>();
    qRegisterMetaType<engine::Fault>();
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        const bool starting =
            phase_ == Phase::AwaitOk || phase_ == Phase::AwaitAbout || phase_ == Phase::AwaitProbe;
        if (starting)
            Fail(Fault::CannotStart,
                 QString("no answer to START and ABOUT within %1 ms").arg(limits_.startMs));
        else
            Fail(Fault::NoMove, QString("no move within %1 ms and %2 ms of grace")
                                    .arg(limits_.turnMs)
                                    .arg(limits_.graceMs));
    });
}

EngineProcess::~EngineProcess()
{
    // Korvane is closing: the engine gets its END and a moment, then it is killed with
    // whatever it started. Engines released earlier have had their END: they get what is
    // left of the same moment.
    QElapsedTimer moment;
    moment.start();
    for (QProcess* released : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        if (released == process_ || released->state() == QProcess::NotRunning)
            continue;
        if (!released->waitForFinished(std::max<int>(0, limits_.closeMs - moment.elapsed())))
            KillEngine(released);
    }
    if (!process_)
        return;
    QProcess* process = process_;
    process_ = nullptr;
    process->disconnect(this);
    if (process->state() == QProcess::Running) {
        process->write("END\n");
        if (!process->waitForFinished(limits_.closeMs)) {
            KillEngine(process);
            process->waitForFinished(1000);
        }
    }
}

void EngineProcess::Start(const QString& program, const EngineLimits& limits)
{
    if (process_)
        Release(true);
    program_ = program;
    limits_ = limits;
    name_ = QFileInfo(program).fileName();
    canStop_ = true;
    current_.reset();
    Launch();
}

void EngineProcess::Launch()
{
    process_ = new QProcess(this);
    process_->setProgram(program_);
    process_->setChildProcessModifier([] {
        ::setsid();
#ifdef Q_OS_LINUX
        // Even if Korvane itself is killed, its engine does not live on.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    });
    connect(process_, &QProcess::readyReadStandardOutput, this, &EngineProcess::OnOutput);
    connect(process_, &QProcess::readyReadStandardError, this, &EngineProcess::OnErrorOutput);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Fail(Fault::CannotStart, process_->errorString());
    });
    connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        OnOutput(); // what it said before it went
        OnErrorOutput();
        if (process_)
            Fail(Fault::Crashed, status == QProcess::CrashExit
                                     ? QStringLiteral("killed by a signal")
                                     : QString("ended with status %1").arg(code));
    });
    phase_ = Phase::AwaitOk;
    sawProbeRefusal_ = false;
    ArmDeadline(limits_.startMs);
    process_->start(QIODevice::ReadWrite);
    if (process_)
        Send(StartCommand() + "\n");
}

void EngineProcess::Analyse(const Position& position, int bestCount)
{
    pending_ = Job{JobKind::Analyse, position, bestCount};
    Pump();
}

void EngineProcess::AskMove(const Position& position)
{
    pending_ = Job{JobKind::Move, position, 1};
    Pump();
}

void EngineProcess::Stop()
{
    pending_.reset();
    if (phase_ == Phase::Searching && canStop_) {
        Send("YXSTOP\n");
        current_.reset();
        phase_ = Phase::Stopping;
        ArmDeadline(limits_.graceMs);
    } else if (phase_ == Phase::Searching) {
        Release(true);
        Launch();
    }
}

void EngineProcess::Close()
{
    pending_.reset();
    current_.reset();
    if (process_)
        Release(true);
}

void EngineProcess::Pump()
{
    if (!pending_)
        return;
    if (phase_ == Phase::Idle) {
        Job job = std::move(*pending_);
        pending_.reset();
        Search(std::move(job));
    } else if (phase_ == Phase::Searching) {
        // The newest position waits in pending_ until the old search has been stopped.
        const std::optional<Job> keep = std::move(pending_);
        Stop();
        pending_ = std::move(keep);
    }
}

void EngineProcess::Search(Job job)
{
    analysis_ = Analysis();
    std::string text;
    if (job.bestCount > 1 && canStop_)
        text = BoardCommand(job.position, "YXBOARD") + "YXNBEST " + std::to_string(job.bestCount) +
               "\n";
    else
        text = BoardCommand(job.position);
    current_ = std::move(job);
    phase_ = Phase::Searching;
    ArmDeadline(limits_.turnMs + limits_.graceMs);
    Send(text);
}

void EngineProcess::Send(const std::string& text)
{
    process_->write(text.data(), static_cast<qint64>(text.size()));
    if (!isSignalConnected(QMetaMethod::fromSignal(&EngineProcess::LineLogged)))
        return;
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts))
        emit LineLogged(line, false);
}

void EngineProcess::OnOutput()
{
    const bool logging = isSignalConnected(QMetaMethod::fromSignal(&EngineProcess::LineLogged));
    char buffer[LongestLine + 1];
    while (process_ && process_->canReadLine()) {
        const qint64 length = process_->readLine(buffer, sizeof buffer);
        if (length <= 0)
            break;
        const std::string line(buffer, static_cast<std::size_t>(length));
        if (logging)
            emit LineLogged(QString::fromUtf8(line.data(), line.size()).trimmed(), true);
        OnLine(line);
    }
    if (process_ && process_->bytesAvailable() > LongestLine)
        Fail(Fault::Garbage, QString("more than %1 bytes without a line end").arg(LongestLine));
}

void EngineProcess::OnErrorOutput()
{
    if (!process_)
        return;
    const QByteArray text = process_->readAllStandardError();
    if (text.isEmpty() || !isSignalConnected(QMetaMethod::fromSignal(&EngineProcess::LineLogged)))
        return;
    for (const QString& line : QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts))
        emit LineLogged(line.trimmed(), true);
}

void EngineProcess::OnLine(const std::string& raw)
{
    const Line line = ParseLine(raw);
    const QString text = QString::fromStdString(line.text);
    if (line.kind == LineKind::Garbage) {
        Fail(Fault::Garbage, text);
        return;
    }
    if (line.kind == LineKind::Empty || line.kind == LineKind::Debug)
        return;
    switch (phase_) {
    case Phase::Off:
    case Phase::Idle:
        // MESSAGE and the like between searches; an ERROR has no command to answer.
        if (line.kind == LineKind::Error)
            Fail(Fault::Refused, text);
        return;
    case Phase::AwaitOk:
        if (line.kind == LineKind::Ok) {
            std::string text = InfoCommand("rule", 4) + "\n" +
                               InfoCommand("timeout_turn", limits_.turnMs) + "\n" +
                               InfoCommand("timeout_match", 0) + "\n";
            if (limits_.memoryBytes > 0)
                text += InfoCommand("max_memory", limits_.memoryBytes) + "\n";
            if (limits_.threads > 0)
                text += InfoCommand("thread_num", limits_.threads) + "\n";
            Send(text + "ABOUT\n");
            phase_ = Phase::AwaitAbout;
        } else if (line.kind == LineKind::Error || line.kind == LineKind::Unknown) {
            Fail(Fault::Refused, text);
        }
        return;
    case Phase::AwaitAbout:
        // UNKNOWN: an INFO key the engine does without. ERROR: a rule or limit it refuses.
        if (line.kind == LineKind::Error) {
            Fail(Fault::Refused, text);
        } else if (line.kind == LineKind::About) {
            const std::string name = AboutField(line.text, "name");
            if (!name.empty())
                name_ = QString::fromStdString(name);
            Send("YXSTOP\nABOUT\n");
            phase_ = Phase::AwaitProbe;
        }
        return;
    case Phase::AwaitProbe:
        if (line.kind == LineKind::Error || line.kind == LineKind::Unknown) {
            canStop_ = false;
        } else if (line.kind == LineKind::About) {
            phase_ = Phase::Idle;
            deadline_.stop();
            emit Ready(name_);
            Pump();
        }
        return;
    case Phase::Searching:
        OnSearchLine(line);
        return;
    case Phase::Stopping:
        if (line.kind == LineKind::Error || line.kind == LineKind::Unknown) {
            Fail(Fault::Refused, text);
        } else if (line.kind == LineKind::Move) {
            phase_ = Phase::Idle;
            deadline_.stop();
            Pump();
        }
        return;
    }
}

void EngineProcess::OnSearchLine(const Line& line)
{
    if (line.kind == LineKind::Error || line.kind == LineKind::Unknown) {
        Fail(Fault::Refused, QString::fromStdString(line.text));
        return;
    }
    if (line.kind == LineKind::Move) {
        OnAnswer(line);
        return;
    }
    if (line.kind != LineKind::Message || current_->kind != JobKind::Analyse)
        return;
    if (line.report) {
        analysis_.report = *line.report;
    } else if (line.mainLine && line.mainLine->rank == 0) {
        analysis_.mainLine = line.mainLine->moves;
        // A mark only for a point the engine could play; its answer is what is judged.
        const std::vector<CellIndex>& moves = analysis_.mainLine;
        analysis_.bestMove =
            !moves.empty() && CheckMove(current_->position, CellColumn(moves[0]) - 1,
                                        CellRow(moves[0]) - 1) == MoveCheck::Legal
                ? moves[0]
                : 0;
    } else if (line.mainLine) {
        const std::size_t rank = static_cast<std::size_t>(line.mainLine->rank);
        if (rank > 225)
            return;
        if (analysis_.bestLines.size() < rank)
            analysis_.bestLines.resize(rank);
        analysis_.bestLines[rank - 1] = *line.mainLine;
    } else {
        return;
    }
    emit AnalysisUpdated(analysis_);
}

void EngineProcess::OnAnswer(const Line& line)
{
    deadline_.stop();
    const Job job = std::move(*current_);
    current_.reset();
    phase_ = Phase::Idle;
    const QString point = QString("%1,%2").arg(line.x).arg(line.y);
    switch (CheckMove(job.position, line.x, line.y)) {
    case MoveCheck::OffBoard:
        Fail(Fault::OffBoard, point);
        return;
    case MoveCheck::Occupied:
        Fail(Fault::Occupied, point);
        return;
    case MoveCheck::ForbiddenToBlack:
        Fail(Fault::ForbiddenToBlack, point);
        return;
    case MoveCheck::Legal:
        break;
    }
    if (job.kind == JobKind::Analyse) {
        analysis_.bestMove = *line.move;
        analysis_.finished = true;
        emit AnalysisUpdated(analysis_);
    } else {
        emit MoveAnswered(*line.move);
    }
    Pump();
}

void EngineProcess::Fail(Fault fault, const QString& detail)
{
    pending_.reset();
    current_.reset();
    Release(false);
    emit Faulted(fault, detail);
}

void EngineProcess::Release(bool sayEnd)
{
    deadline_.stop();
    phase_ = Phase::Off;
    QProcess* process = process_;
    process_ = nullptr;
    if (!process)
        return;
    process->disconnect(this);
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    if (sayEnd && process->state() == QProcess::Running) {
        process->write("END\n");
        process->waitForBytesWritten(0); // on its way even if Korvane closes at once
        QTimer::singleShot(limits_.closeMs, process, [process] { KillEngine(process); });
    } else {
        KillEngine(process);
    }
}

void EngineProcess::ArmDeadline(int ms)
{
    deadline_.start(ms);
}

} // namespace engine
