// --export and --export-dir: each input opened as the menu's open does, its figure
// described as the whole-board export shows it right after opening (move order,
// numbering on), then encoded and written through the file step every save uses.
#include <QDir>
#include <QFile>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/Commands.h"
#include "app/HeadlessPort.h"
#include "drawing/DiagramFormats.h"
#include "main/Diagram.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/FormatTable.h"
#include "main/FourChaseNumbering.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

// The file name without its folder and its last extension, as bytes.
std::string CompleteBaseName(const std::string& path)
{
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

PictureFormat FormatNamed(const QString& name)
{
    const FileFormat* row = FormatOfExtension(name.toStdString());
    return row != nullptr && row->holds == FormatHolds::Picture ? row->picture : PictureFormat::Bmp;
}

void Complain(const std::string& file, const QString& message)
{
    std::fprintf(stderr, "korvane: %s: %s\n", file.c_str(), message.toLocal8Bit().constData());
}

// Writes the file through the step every save takes; false, with the reason on
// standard error, when it fails.
bool WriteFigure(const std::string& output, const std::vector<std::uint8_t>& bytes)
{
    const IoCode code = WriteWholeFile(output, bytes.data(), bytes.size());
    if (code == IoOk)
        return true;
    Complain(output, QString::fromStdString(WithErrorPeriod(IoErrorMessage(code))));
    return false;
}

// Writes the figures of --export-dir on a few threads. Each write waits for the disk
// twice (the file, then its folder); waits made side by side share the file system's
// journal commits, so a thousand figures take a second instead of ten.
class FigureWriter {
public:
    FigureWriter()
    {
        for (int i = 0; i < Threads; ++i)
            threads_.emplace_back([this] { Work(); });
    }
    ~FigureWriter() { Finish(); }

    // Queues the file; waits while the queue is full, so memory stays bounded.
    void Write(const std::string& output, std::vector<std::uint8_t> bytes)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        room_.wait(lock, [this] { return jobs_.size() < QueueLength; });
        jobs_.push_back({output, std::move(bytes)});
        ready_.notify_one();
    }

    // Waits for every queued file; true when all were written.
    bool Finish()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finishing_ = true;
        }
        ready_.notify_all();
        for (std::thread& t : threads_)
            t.join();
        threads_.clear();
        return !failed_;
    }

private:
    static constexpr int Threads = 8;
    static constexpr std::size_t QueueLength = 32;
    struct Job {
        std::string output;
        std::vector<std::uint8_t> bytes;
    };

    void Work()
    {
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                ready_.wait(lock, [this] { return finishing_ || !jobs_.empty(); });
                if (jobs_.empty())
                    return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
                room_.notify_one();
            }
            if (!WriteFigure(job.output, job.bytes))
                failed_ = true;
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_, room_;
    std::deque<Job> jobs_;
    bool finishing_ = false;
    std::atomic<bool> failed_{false};
    std::vector<std::thread> threads_;
};

// The figure of `input` as the file's bytes; false, with the reason on standard error,
// when the input is refused.
bool DrawFigure(const CommandLine& line, const std::string& input, std::vector<std::uint8_t>& bytes)
{
    if (!OpenInput(input))
        return false;
    if (line.fourChaseColor != 0) {
        NumberAsFourChase(line.fourChaseColor);
    }
    FirstNumberedMove = line.firstNumber;

    static Diagram diagram; // a whole board of cells; one at a time
    DescribeExport(line.rangeLeft, line.rangeTop, line.rangeRight, line.rangeBottom, diagram);
    bytes = EncodeDiagram(diagram, FormatNamed(line.format), FigureSize{line.cellMm, line.cellPx});
    return true;
}

} // namespace

int RunExportCommand(const CommandLine& line)
{
    std::vector<std::uint8_t> bytes;
    if (line.command == CommandLine::Command::Export)
        return DrawFigure(line, line.inputPaths.front(), bytes) &&
                       WriteFigure(line.outputPath, bytes)
                   ? 0
                   : 1;

    const QDir dir(line.exportDir);
    if (!QDir().mkpath(line.exportDir)) {
        Complain(QFile::encodeName(line.exportDir).toStdString(),
                 "cannot make this folder for the figures.");
        return 1;
    }
    bool allDrawn = true;
    std::map<std::string, std::string> drawn; // output → the input it is drawn from
    FigureWriter writer;
    const std::string folder = QFile::encodeName(dir.absolutePath()).toStdString();
    for (const std::string& input : line.inputPaths) {
        const std::string output =
            folder + '/' + CompleteBaseName(input) + '.' + line.format.toStdString();
        const auto [earlier, fresh] = drawn.emplace(output, input);
        if (!fresh) {
            // Two inputs of one name: the second figure would silently replace the first.
            Complain(input, QString("skipped: its figure %1 would replace that of %2.")
                                .arg(QString::fromStdString(output),
                                     QString::fromStdString(earlier->second)));
            allDrawn = false;
            continue;
        }
        if (!DrawFigure(line, input, bytes)) {
            allDrawn = false;
            continue;
        }
        writer.Write(output, std::move(bytes));
        bytes.clear();
    }
    const bool allWritten = writer.Finish();
    return allDrawn && allWritten ? 0 : 1;
}
