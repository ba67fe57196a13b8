#include "app/AnalyseCommand.h"

#include <QEventLoop>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "Board/Coordinates.h"
#include "EngineProcess/EngineProcess.h"
#include "EngineProcess/EngineSettings.h"
#include "app/HeadlessPort.h"
#include "main/EnginePosition.h"

namespace {

// Above an hour a position is not analysed but forgotten.
constexpr int LongestTimeMs = 3600 * 1000;

void PrintError(const QString& text)
{
    std::fprintf(stderr, "korvane: %s\n", text.toLocal8Bit().constData());
}

std::string Depth(const engine::SearchReport& report)
{
    if (!report.depth)
        return "-";
    std::string text = std::to_string(*report.depth);
    if (report.selectiveDepth)
        text += "-" + std::to_string(*report.selectiveDepth);
    return text;
}

} // namespace

AnalyseOptions AddAnalyseOptions(QCommandLineParser& parser)
{
    AnalyseOptions options{
        QCommandLineOption("analyse",
                           "Prints an engine's name, best move, evaluation, depth and main line "
                           "(in coordinates such as h8) for the position of INPUT.",
                           "INPUT"),
        QCommandLineOption("engine",
                           "The engine (a Gomocup-protocol program such as Rapfi) for --analyse, "
                           "or for the editor's analysis in this run; the remembered one if "
                           "absent.",
                           "PATH"),
        QCommandLineOption("time", "The engine's time for --analyse (default the remembered one).",
                           "MS"),
    };
    parser.addOptions({options.analyse, options.engine, options.time});
    return options;
}

bool ReadAnalyseOptions(const QCommandLineParser& parser, const AnalyseOptions& options,
                        CommandLine& line, QString& message)
{
    line.enginePath = parser.value(options.engine);
    if (parser.isSet(options.engine) && line.enginePath.isEmpty()) {
        message = "--engine needs the path of an engine.";
        return false;
    }
    if (parser.isSet(options.time)) {
        bool ok = false;
        line.timeMs = parser.value(options.time).toInt(&ok);
        if (!ok || line.timeMs < 0 || line.timeMs > LongestTimeMs) {
            message = "--time takes milliseconds from 0 to 3600000.";
            return false;
        }
    }
    if (!parser.isSet(options.analyse)) {
        if (parser.isSet(options.time)) {
            message = "--time goes with --analyse.";
            return false;
        }
        return true;
    }
    if (!TakeCommandInput(parser, "analyse", line, message))
        return false;
    line.command = CommandLine::Command::Analyse;
    return true;
}

bool IsAnalyseArgument(const char* argument)
{
    return std::strcmp(argument, "--analyse") == 0 || std::strncmp(argument, "--analyse=", 10) == 0;
}

int RunAnalyseCommand(const CommandLine& line)
{
    engine::EngineSettings settings = engine::LoadEngineSettings();
    if (!line.enginePath.isEmpty())
        settings.program = line.enginePath;
    if (line.timeMs >= 0)
        settings.limits.turnMs = line.timeMs;
    if (settings.program.isEmpty()) {
        PrintError("no engine chosen: give --engine PATH.");
        return 2;
    }
    if (!OpenInput(line.inputPaths.front()))
        return 1;
    const engine::Position position = CurrentEnginePosition();
    bool full = true;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        full = full && !(IsBoardCell(cell) && position.board[cell] == CellEmpty);
    if (full) {
        PrintError(line.inputs.first() + ": the board is full; there is no move to analyse.");
        return 1;
    }

    engine::EngineProcess process;
    QEventLoop loop;
    std::optional<engine::Analysis> result;
    QString failure;
    QObject::connect(&process, &engine::EngineProcess::Ready, &loop,
                     [&] { process.Analyse(position); });
    QObject::connect(&process, &engine::EngineProcess::AnalysisUpdated, &loop,
                     [&](const engine::Analysis& analysis) {
                         if (!analysis.finished)
                             return;
                         result = analysis;
                         loop.quit();
                     });
    QObject::connect(&process, &engine::EngineProcess::Faulted, &loop,
                     [&](engine::Fault fault, const QString& detail) {
                         failure = engine::FaultMessage(fault);
                         if (!detail.isEmpty())
                             failure += " (" + detail.simplified() + ")";
                         loop.quit();
                     });
    process.Start(settings.program, settings.limits);
    // Every wait of the engine has its deadline, so the loop always ends.
    loop.exec();
    if (!result) {
        PrintError(failure);
        return 1;
    }

    std::vector<CellIndex> mainLine = result->mainLine;
    if (mainLine.empty() || mainLine.front() != result->bestMove)
        mainLine.assign(1, result->bestMove);
    std::string lineText;
    for (CellIndex cell : mainLine)
        lineText += (lineText.empty() ? "" : " ") + CellName(cell);
    const engine::SearchReport& report = result->report;
    std::string out = "engine: " + process.Name().toStdString() + "\n";
    out += std::string("to move: ") + (position.sideToMove == CellBlack ? "black" : "white") + "\n";
    out += "best: " + CellName(result->bestMove) + "\n";
    out += "eval: " + (report.eval.empty() ? std::string("-") : report.eval) + "\n";
    out += "depth: " + Depth(report) + "\n";
    out += "line: " + lineText + "\n";
    std::fputs(out.c_str(), stdout);
    return 0; // the engine gets its END as `process` goes
}
