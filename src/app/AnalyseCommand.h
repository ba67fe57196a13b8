// --analyse IN --engine PATH [--time MS]: an engine's view of the position of a record or a
// stone placement, printed without a window. --engine alone chooses the window's engine for
// this run.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "app/CommandLine.h"

struct AnalyseOptions {
    QCommandLineOption analyse;
    QCommandLineOption engine;
    QCommandLineOption time;
};

// Adds the three options to the program's parser, after its own.
AnalyseOptions AddAnalyseOptions(QCommandLineParser& parser);
// Reads them once the arguments are parsed; false with `message` on a wrong use.
bool ReadAnalyseOptions(const QCommandLineParser& parser, const AnalyseOptions& options,
                        CommandLine& line, QString& message);
// --analyse or --analyse=IN: a command that runs without a window.
bool IsAnalyseArgument(const char* argument);

// Runs the analysis; 0 when the engine answered, 1 for a refused input or a fault of the
// engine (one line on standard error saying which), 2 when no engine is known.
int RunAnalyseCommand(const CommandLine& line);
