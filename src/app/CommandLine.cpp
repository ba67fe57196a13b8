#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstring>

#include "app/AnalyseCommand.h"
#include "app/SearchCommand.h"
#include "main/FormatTable.h"
#include "main/Version.h"

namespace {

const char* const CommandOptions[] = {"--export",   "--export-dir",  "--forbidden", "--vcf",
                                      "--convert",  "--print-moves", "--help",      "-h",
                                      "--help-all", "--version",     "-v"};

// GNU's layout, which help2man reads into the manual page.
const char* const VersionText =
    "korvane " KORVANE_VERSION "\n"
    "Copyright (C) 2026 Korvane developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

bool IsCommandArgument(const char* argument)
{
    for (const char* option : CommandOptions) {
        const std::size_t length = std::strlen(option);
        if (std::strncmp(argument, option, length) == 0 &&
            (argument[length] == '\0' || argument[length] == '='))
            return true;
    }
    return false;
}

bool IsFormat(const QString& format)
{
    const FileFormat* row = FormatOfExtension(format.toStdString());
    return row != nullptr && row->holds == FormatHolds::Picture;
}

// Arguments that are not UTF-8 go through the parser as a stand-in that names their
// index, and come back as their bytes; QString would lose what does not decode.
const QChar StandIn(0xFDD0); // a noncharacter: never in a decoded argument

struct Arguments {
    QStringList decoded;
    std::vector<std::string> raw; // the bytes each stand-in stands for
};

Arguments StandInsFor(const std::vector<std::string>& arguments)
{
    Arguments a;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        a.raw.push_back(std::string());
        if (IsValidUtf8(argument)) {
            a.decoded << QString::fromStdString(argument);
            continue;
        }
        // An option's value given after "=" keeps its option.
        std::size_t valueAt = 0;
        const std::size_t equals = argument.find('=');
        if (argument.rfind("--", 0) == 0 && equals != std::string::npos &&
            IsValidUtf8(argument.substr(0, equals)))
            valueAt = equals + 1;
        a.raw.back() = argument.substr(valueAt);
        a.decoded << QString::fromStdString(argument.substr(0, valueAt)) + StandIn +
                         QString::number(i);
    }
    return a;
}

std::string BytesOf(const Arguments& a, const QString& value)
{
    if (value.startsWith(StandIn)) {
        bool ok = false;
        const int index = value.mid(1).toInt(&ok);
        if (ok && index >= 0 && static_cast<std::size_t>(index) < a.raw.size())
            return a.raw[static_cast<std::size_t>(index)];
    }
    return value.toStdString();
}

// For messages: what does not decode shows as U+FFFD.
QString ShownOf(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

int ColourOf(const QString& name)
{
    if (name == "black")
        return 1;
    if (name == "white")
        return 2;
    return 0;
}

bool ParseRange(const QString& text, CommandLine& line)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 4)
        return false;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 1 || values[i] > 15)
            return false;
    }
    line.rangeLeft = std::min(values[0], values[2]);
    line.rangeRight = std::max(values[0], values[2]);
    line.rangeTop = std::min(values[1], values[3]);
    line.rangeBottom = std::max(values[1], values[3]);
    return true;
}

} // namespace

bool WantsNoWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (IsCommandArgument(argv[i]) || IsAnalyseArgument(argv[i]) || IsSearchArgument(argv[i]))
            return true;
    }
    return false;
}

ParseResult ParseCommandLine(const QStringList& arguments, CommandLine& line, QString& message)
{
    std::vector<std::string> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(argument.toStdString());
    return ParseCommandLineBytes(bytes, line, message);
}

ParseResult ParseCommandLineBytes(const std::vector<std::string>& arguments, CommandLine& line,
                                  QString& message)
{
    const Arguments given = StandInsFor(arguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Korvane: an editor for Renju game records (.kif) and positions (.dat).\n"
        "With no arguments it starts the editor; with a file it opens that file in it.\n"
        "The commands below write figures, convert records or answer rules questions\n"
        "without a window.");
    parser.addPositionalArgument(
        "file",
        "A game record (.kif), a position (.dat), or a record in another format: RenLib "
        "(.lib, .pos), SGF (.sgf), Piskvork (.psq) or text (.txt).",
        "[file...]");
    const QCommandLineOption help({"h", "help"}, "Shows this help.");
    const QCommandLineOption version({"v", "version"}, "Shows the version and the licence.");
    const QCommandLineOption exportOption(
        "export",
        "Writes the whole-board figure of INPUT to OUT; OUT's extension picks the format "
        "(bmp, svg, pdf, png).",
        "OUT");
    const QCommandLineOption exportDir(
        "export-dir",
        "Writes one figure per INPUT into DIR, named after it (game.kif -> "
        "DIR/game.svg); goes on past a damaged input.",
        "DIR");
    const QCommandLineOption format("format", "The format for --export-dir: svg, pdf, png or bmp.",
                                    "FORMAT");
    const QCommandLineOption range(
        "range", "Only columns L to R and rows T to B (1 to 15) of the board.", "L,T,R,B");
    const QCommandLineOption firstNumber("first-number", "Draws no move number below N.", "N");
    const QCommandLineOption fourChase(
        "four-chase",
        "Replays the record as a four-chase of COLOUR (numbered 1, 1, 2, 2, ...) and draws "
        "it in the four-chase style.",
        "black|white");
    const QCommandLineOption cellMm("cell-mm", "The cell size of SVG and PDF figures (default 5).",
                                    "MM");
    const QCommandLineOption cellPx("cell-px", "The cell size of PNG figures (default 100).",
                                    "PIXELS");
    const QCommandLineOption forbidden(
        "forbidden", "Prints each point forbidden to black in each INPUT's position: POINT KIND "
                     "(h8 double-three), after the file's name when there are several.");
    const QCommandLineOption vcf(
        "vcf",
        "Prints a four-chase (victory by continuous fours) of COLOUR in each INPUT's position "
        "as points (h8 i9 j10 ...), or none, after the file's name when there are several; "
        "auto attacks with the side to move (black when the stone counts are equal).",
        "black|white|auto");
    const QCommandLineOption cells(
        "cells", "With --forbidden or --vcf, prints cell numbers (row x 16 + column, row 1 at "
                 "the top) in place of points.");
    const QCommandLineOption convert(
        "convert",
        "Converts INPUT to OUT, each in the format its extension names (.kif, .dat, .lib, "
        ".sgf, .txt, .psq, .pos); a game record gets the current line, 150 moves at most.",
        "OUT");
    const QCommandLineOption printMoves(
        "print-moves", "Prints the current line of INPUT as moves on one line: h8 h9 i8.");
    const QCommandLineOption codePage(
        "code-page",
        "The text encoding of a .lib read or written by --convert or --print-moves: CP932, "
        "GBK, Big5, CP1251, CP1252 or UTF-8 (found from the library when not given).",
        "NAME");
    parser.addOptions({help, version, exportOption, exportDir, format, range, firstNumber,
                       fourChase, cellMm, cellPx, forbidden, vcf, cells, convert, printMoves,
                       codePage});
    const AnalyseOptions analyse = AddAnalyseOptions(parser);
    const SearchOptions search = AddSearchOptions(parser);

    QStringList all = given.decoded;
    all.prepend("korvane");
    if (!parser.parse(all)) {
        message = parser.errorText();
        return ParseResult::Error;
    }
    if (parser.isSet(help)) {
        // Without an application object the parser does not know the program's name.
        message = parser.helpText().replace("<executable_name>", "korvane");
        return ParseResult::Help;
    }
    if (parser.isSet(version)) {
        message = VersionText;
        return ParseResult::Help;
    }

    line = CommandLine();
    for (const QString& input : parser.positionalArguments()) {
        line.inputPaths.push_back(BytesOf(given, input));
        line.inputs << ShownOf(line.inputPaths.back());
    }
    if (!ReadAnalyseOptions(parser, analyse, line, message) ||
        !ReadSearchOptions(parser, search, line, message))
        return ParseResult::Error;
    const int commands = int(parser.isSet(exportOption)) + int(parser.isSet(exportDir)) +
                         int(parser.isSet(forbidden)) + int(parser.isSet(vcf)) +
                         int(parser.isSet(convert)) + int(parser.isSet(printMoves));
    if (commands > 1) {
        message = "Only one of --export, --export-dir, --forbidden, --vcf, --convert and "
                  "--print-moves can be given.";
        return ParseResult::Error;
    }
    if (parser.isSet(codePage)) {
        if (!parser.isSet(convert) && !parser.isSet(printMoves)) {
            message = "--code-page goes with --convert or --print-moves.";
            return ParseResult::Error;
        }
        line.codePage = ParseCodePage(parser.value(codePage).toStdString());
        if (!line.codePage) {
            message = "--code-page takes CP932, GBK, Big5, CP1251, CP1252 or UTF-8.";
            return ParseResult::Error;
        }
    }
    const bool exporting = parser.isSet(exportOption) || parser.isSet(exportDir);
    for (const QCommandLineOption* figureOption :
         {&format, &range, &firstNumber, &fourChase, &cellMm, &cellPx}) {
        if (parser.isSet(*figureOption) && !exporting) {
            message = QString("--%1 goes with --export or --export-dir.")
                          .arg(figureOption->names().constLast());
            return ParseResult::Error;
        }
    }

    if (parser.isSet(exportOption)) {
        line.command = CommandLine::Command::Export;
        line.outputPath = BytesOf(given, parser.value(exportOption));
        line.output = ShownOf(line.outputPath);
        const FileFormat* row = FormatOfFileName(line.outputPath);
        line.format = row != nullptr ? QString::fromUtf8(row->extensions.front().data(),
                                                         int(row->extensions.front().size()))
                                     : QString();
        if (!IsFormat(line.format)) {
            message = "The name after --export must end in .bmp, .svg, .pdf or .png.";
            return ParseResult::Error;
        }
        if (line.inputs.size() != 1) {
            message = "--export takes exactly one input file.";
            return ParseResult::Error;
        }
        if (parser.isSet(format)) {
            message = "--format goes with --export-dir; --export takes the format from OUT.";
            return ParseResult::Error;
        }
    } else if (parser.isSet(exportDir)) {
        line.command = CommandLine::Command::ExportDir;
        line.exportDir = parser.value(exportDir);
        line.format = parser.value(format).toLower();
        if (!IsFormat(line.format)) {
            message = "--export-dir needs --format svg, pdf, png or bmp.";
            return ParseResult::Error;
        }
        if (line.inputs.isEmpty()) {
            message = "--export-dir needs at least one input file.";
            return ParseResult::Error;
        }
    } else if (parser.isSet(forbidden) || parser.isSet(vcf)) {
        const bool chase = parser.isSet(vcf);
        line.command = chase ? CommandLine::Command::Vcf : CommandLine::Command::Forbidden;
        line.vcfColor = chase ? ColourOf(parser.value(vcf)) : 0;
        if (chase && line.vcfColor == 0 && parser.value(vcf) != "auto") {
            message = "--vcf takes black, white or auto.";
            return ParseResult::Error;
        }
        if (line.inputs.isEmpty()) {
            message =
                QString("%1 needs at least one input file.").arg(chase ? "--vcf" : "--forbidden");
            return ParseResult::Error;
        }
        line.cells = parser.isSet(cells);
    } else if (parser.isSet(convert)) {
        line.command = CommandLine::Command::Convert;
        line.outputPath = BytesOf(given, parser.value(convert));
        line.output = ShownOf(line.outputPath);
        if (line.inputs.size() != 1) {
            message = "--convert takes exactly one input file.";
            return ParseResult::Error;
        }
    } else if (parser.isSet(printMoves)) {
        line.command = CommandLine::Command::PrintMoves;
        if (line.inputs.size() != 1) {
            message = "--print-moves takes exactly one input file.";
            return ParseResult::Error;
        }
    } else if (line.inputs.size() > 1) {
        message = "The editor opens one file at a time.";
        return ParseResult::Error;
    }

    if (parser.isSet(cells) && line.command != CommandLine::Command::Forbidden &&
        line.command != CommandLine::Command::Vcf) {
        message = "--cells goes with --forbidden or --vcf.";
        return ParseResult::Error;
    }
    if (parser.isSet(range) && !ParseRange(parser.value(range), line)) {
        message = "--range takes four numbers from 1 to 15: L,T,R,B.";
        return ParseResult::Error;
    }
    if (parser.isSet(firstNumber)) {
        bool ok = false;
        line.firstNumber = parser.value(firstNumber).toInt(&ok);
        if (!ok || line.firstNumber < 0) {
            message = "--first-number takes a whole number of 0 or more.";
            return ParseResult::Error;
        }
    }
    if (parser.isSet(fourChase)) {
        line.fourChaseColor = ColourOf(parser.value(fourChase));
        if (line.fourChaseColor == 0) {
            message = "--four-chase takes black or white.";
            return ParseResult::Error;
        }
    }
    if (parser.isSet(cellMm)) {
        bool ok = false;
        line.cellMm = parser.value(cellMm).toDouble(&ok);
        if (!ok || !(line.cellMm >= 0.5 && line.cellMm <= 100.0)) {
            message = "--cell-mm takes a size from 0.5 to 100.";
            return ParseResult::Error;
        }
    }
    if (parser.isSet(cellPx)) {
        bool ok = false;
        line.cellPx = parser.value(cellPx).toInt(&ok);
        if (!ok || line.cellPx < 4 || line.cellPx > 1000) {
            message = "--cell-px takes a whole number from 4 to 1000.";
            return ParseResult::Error;
        }
    }
    return ParseResult::Run;
}

bool TakeCommandInput(const QCommandLineParser& parser, const char* name, CommandLine& line,
                      QString& message)
{
    for (const char* other : {"export", "export-dir", "forbidden", "vcf", "convert", "print-moves",
                              "analyse", "search"}) {
        if (std::strcmp(other, name) != 0 && parser.isSet(other)) {
            message = QString("--%1 and --%2 cannot be given together.").arg(name, other);
            return false;
        }
    }
    if (!line.inputs.isEmpty()) {
        message = QString("--%1 takes exactly one input file.").arg(name);
        return false;
    }
    line.inputs = QStringList{parser.value(name)};
    line.inputPaths = {QFile::encodeName(line.inputs.first()).toStdString()};
    return true;
}
