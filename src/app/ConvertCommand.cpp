// --convert and --print-moves: a record read through its row of the format table, written
// through another row or printed as moves; no window, and nothing written on a failure.
#include <cstdio>
#include <string>

#include "Notation/TextRecord.h"
#include "app/Commands.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/FormatTable.h"

namespace {

void Complain(const std::string& file, const std::string& message)
{
    std::fprintf(stderr, "korvane: %s: %s\n", file.c_str(), message.c_str());
}

// The record of the one input; false, with the reason on standard error, when it is refused.
bool ReadInput(const CommandLine& line, Record& record)
{
    const std::string& input = line.inputPaths.front();
    const FileFormat* format = FormatOfFileName(input);
    if (format == nullptr || format->read == nullptr) {
        Complain(input, format != nullptr && format->holds == FormatHolds::Collection
                            ? "a collection of games, not one record; it cannot be read here."
                            : "not a kind of record that can be read (.kif, .dat, .lib, .sgf, "
                              ".txt, .psq, .pos).");
        return false;
    }
    IoCode code = IoOk;
    RecordRead read = ReadRecordFile(input, *format, FormatOptions{line.codePage}, code);
    if (!read.record) {
        Complain(input, WithErrorPeriod(read.message));
        return false;
    }
    record = std::move(*read.record);
    return true;
}

} // namespace

int RunConvertCommand(const CommandLine& line)
{
    const FileFormat* out = FormatOfFileName(line.outputPath);
    if (out == nullptr || out->write == nullptr) {
        Complain(line.outputPath, "not a kind of record that can be written (.kif, .dat, .lib, "
                                  ".sgf, .txt, .psq, .pos).");
        return 1;
    }
    Record record;
    if (!ReadInput(line, record))
        return 1;
    const RecordWrite written = out->write(record, FormatOptions{line.codePage});
    if (!written.bytes) {
        Complain(line.outputPath, WithErrorPeriod(written.message));
        return 1;
    }
    const IoCode code = WriteWholeFile(line.outputPath,
                                       reinterpret_cast<const std::uint8_t*>(written.bytes->data()),
                                       written.bytes->size());
    if (code != IoOk) {
        Complain(line.outputPath, WithErrorPeriod(IoErrorMessage(code)));
        return 1;
    }
    return 0;
}

int RunPrintMovesCommand(const CommandLine& line)
{
    Record record;
    if (!ReadInput(line, record))
        return 1;
    std::fputs((notation::WriteMoves(RecordLine(record)) + "\n").c_str(), stdout);
    return 0;
}
