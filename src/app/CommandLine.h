// The program's arguments: none starts the editor as always; a file alone opens it in the
// window; the commands write figures or answer rules questions with no window at all.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "Text/CodePage.h"

class QCommandLineParser;

struct CommandLine {
    enum class Command {
        Window,
        Export,
        ExportDir,
        Forbidden,
        Vcf,
        Analyse,
        Convert,
        PrintMoves,
        Search
    };
    Command command = Command::Window;

    // Game records or stone placements; for Window at most one. For messages: a name that
    // is not UTF-8 shows its undecodable bytes as U+FFFD here.
    QStringList inputs;
    // The same names as the bytes the program was given, to open the files by.
    std::vector<std::string> inputPaths;

    // --export OUT, --convert OUT
    QString output;
    std::string outputPath; // as given, in bytes
    // --export-dir DIR --format FORMAT
    QString exportDir;
    QString format; // bmp, svg, pdf or png; for --export taken from OUT's extension

    // --range L,T,R,B, put in order; the whole board when absent.
    int rangeLeft = 1;
    int rangeTop = 1;
    int rangeRight = 15;
    int rangeBottom = 15;
    // --first-number N: numbers below N are not drawn; 0 draws them all.
    int firstNumber = 0;
    // --four-chase black|white: 1 or 2; 0 draws the record in move order.
    int fourChaseColor = 0;
    double cellMm = 5.0;
    int cellPx = 100;

    // --vcf black|white|auto: 1, 2, or 0 for the side to move
    int vcfColor = 0;
    // --cells: cell numbers in place of points in the answers of --forbidden and --vcf
    bool cells = false;

    // --engine PATH: the engine for --analyse, or for the window's analysis in this run only;
    // empty for the remembered one. --time MS: its time per position; -1 for the remembered.
    QString enginePath;
    int timeMs = -1;

    // --code-page NAME: the text encoding of a .lib read or written by --convert or
    // --print-moves; found from the library (read) or kept (written) when absent.
    std::optional<CodePage> codePage;

    // --collection C for --search IN (IN is the one input); --list adds the games found.
    QString collection;
    bool listGames = false;
};

enum class ParseResult { Run, Help, Error };

// Parses the arguments after the program's name. On Help, `message` holds the help text;
// on Error, one line that says what is wrong (the caller exits with status 2).
ParseResult ParseCommandLine(const QStringList& arguments, CommandLine& line, QString& message);
// The same for the arguments as the system passed them: file names are kept as their bytes,
// so a name that is not valid UTF-8 (an old archive's Shift-JIS name) still opens.
ParseResult ParseCommandLineBytes(const std::vector<std::string>& arguments, CommandLine& line,
                                  QString& message);

// True when the arguments ask for one of the commands that need no window (or for the
// help): decided before any application object exists, so that those commands can run
// on the offscreen platform with no display.
bool WantsNoWindow(int argc, char** argv);

// For a command whose one input is its option's value (--analyse IN, --search IN): refuses
// another command beside it, and inputs given apart; otherwise takes the input. False with
// `message` on a wrong use.
bool TakeCommandInput(const QCommandLineParser& parser, const char* name, CommandLine& line,
                      QString& message);
