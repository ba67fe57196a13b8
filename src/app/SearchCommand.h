// --search IN --collection C [--list]: the games of a collection that reach the position of a
// record or a stone placement, and the moves played next, printed without a window.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "app/CommandLine.h"

struct SearchOptions {
    QCommandLineOption search;
    QCommandLineOption collection;
    QCommandLineOption list;
};

// Adds the three options to the program's parser, after its own.
SearchOptions AddSearchOptions(QCommandLineParser& parser);
// Reads them once the arguments are parsed; false with `message` on a wrong use.
bool ReadSearchOptions(const QCommandLineParser& parser, const SearchOptions& options,
                       CommandLine& line, QString& message);
// --search or --search=IN: a command that runs without a window.
bool IsSearchArgument(const char* argument);

// Runs the search; 0 when it was answered, 1 when the input or the collection is refused
// (one line on standard error saying where it stopped).
int RunSearchCommand(const CommandLine& line);
