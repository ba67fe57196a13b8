// --export and --export-dir: each input opened as the menu's open does, its figure
// described as the whole-board export shows it right after opening (move order,
// numbering on), then encoded and written through the file step every save uses.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/HeadlessPort.h"
#include "drawing/DiagramFormats.h"
#include "main/Diagram.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

PictureFormat FormatNamed(const QString& name)
{
    if (name == "svg")
        return PictureFormat::Svg;
    if (name == "pdf")
        return PictureFormat::Pdf;
    if (name == "png")
        return PictureFormat::Png;
    return PictureFormat::Bmp;
}

void Complain(const QString& file, const QString& message)
{
    std::fprintf(stderr, "korvane: %s: %s\n", QFile::encodeName(file).constData(),
                 message.toLocal8Bit().constData());
}

// Opens `input`, draws its figure and writes it to `output`. False, with the reason on
// standard error, when either file fails.
bool ExportOne(const CommandLine& line, const QString& input, const QString& output)
{
    if (!OpenInput(input))
        return false;
    if (line.fourChaseColor != 0) {
        // As if four-chase order had been chosen with that colour to move and the
        // record stepped back and replayed: numbered by the half rule.
        EditMode = ModeFourChase;
        FourChaseColor = line.fourChaseColor;
        BitBackAllClick();
        BitGoAllClick();
    }
    FirstNumberedMove = line.firstNumber;

    static Diagram diagram; // a whole board of cells; one at a time
    DescribeExport(line.rangeLeft, line.rangeTop, line.rangeRight, line.rangeBottom, diagram);
    const std::vector<std::uint8_t> bytes =
        EncodeDiagram(diagram, FormatNamed(line.format), FigureSize{line.cellMm, line.cellPx});
    const IoCode code =
        WriteWholeFile(QFile::encodeName(output).toStdString(), bytes.data(), bytes.size());
    if (code != IoOk) {
        Complain(output, QString::fromStdString(WithErrorPeriod(IoErrorMessage(code))));
        return false;
    }
    return true;
}

} // namespace

int RunExportCommand(const CommandLine& line)
{
    if (line.command == CommandLine::Command::Export)
        return ExportOne(line, line.inputs.first(), line.output) ? 0 : 1;

    const QDir dir(line.exportDir);
    if (!QDir().mkpath(line.exportDir)) {
        Complain(line.exportDir, "cannot make this folder for the figures.");
        return 1;
    }
    bool allWritten = true;
    QHash<QString, QString> written; // output → the input it was drawn from
    for (const QString& input : line.inputs) {
        const QString output =
            dir.filePath(QFileInfo(input).completeBaseName() + '.' + line.format);
        const QString key = QFileInfo(output).absoluteFilePath();
        if (written.contains(key)) {
            // Two inputs of one name: the second figure would silently replace the first.
            Complain(input, QString("skipped: its figure %1 would replace that of %2.")
                                .arg(output, written.value(key)));
            allWritten = false;
            continue;
        }
        if (ExportOne(line, input, output))
            written.insert(key, input);
        else
            allWritten = false;
    }
    return allWritten ? 0 : 1;
}
