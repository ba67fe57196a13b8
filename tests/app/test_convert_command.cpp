// --convert and --print-moves run as a user would: no window, errors as one line on
// standard error with a non-zero status, and nothing written on a failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "../fixtures/QtFiles.h"
#include "ProgramRun.h"

namespace {

QByteArray Game()
{
    QByteArray kif(668, '\0');
    const int moves[] = {0x88, 0x89, 0x99, 0x77, 0x66};
    for (int i = 0; i < 5; ++i)
        kif[68 + 4 * i] = static_cast<char>(moves[i]);
    return kif;
}

TEST(ConvertCommand, ConvertsThroughEveryRecordFormatAndBack)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    WriteFile(d.filePath("a.kif"), Game());
    for (const char* via : {"sgf", "lib", "txt", "psq", "pos"}) {
        SCOPED_TRACE(via);
        const QString middle = d.filePath(QString("b.") + via);
        ProgramRun run = RunKorvane({"--convert", middle, d.filePath("a.kif")});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        run = RunKorvane({"--convert", d.filePath("back.kif"), middle});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(ReadFile(d.filePath("back.kif")), Game());
    }
    const ProgramRun lib =
        RunKorvane({"--convert", d.filePath("c.lib"), "--code-page", "GBK", d.filePath("b.sgf")});
    EXPECT_EQ(lib.status, 0) << lib.err.toStdString();
}

TEST(ConvertCommand, PrintsTheCurrentLineAsMoves)
{
    QTemporaryDir dir;
    const QString kif = QDir(dir.path()).filePath("a.kif");
    WriteFile(kif, Game());
    const ProgramRun run = RunKorvane({"--print-moves", kif});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "h8 i8 i7 g9 f10\n");
}

TEST(ConvertCommand, ADamagedInputIsRefusedAndNothingIsWritten)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    WriteFile(d.filePath("bad.txt"), "h8 h8");
    WriteFile(d.filePath("short.kif"), QByteArray(100, '\0'));
    WriteFile(d.filePath("bad.lib"), "\xFFRenLib\xFF\x03\x04");
    for (const char* input : {"bad.txt", "short.kif", "bad.lib", "missing.sgf"}) {
        SCOPED_TRACE(input);
        const ProgramRun run = RunKorvane({"--convert", d.filePath("out.sgf"), d.filePath(input)});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.count("korvane: "), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(d.filePath("out.sgf")));
    }
    const ProgramRun unknown =
        RunKorvane({"--convert", d.filePath("out.exe"), d.filePath("bad.txt")});
    EXPECT_EQ(unknown.status, 1);
    const ProgramRun page = RunKorvane({"--convert", "a.lib", "--code-page", "KOI8", "b.sgf"});
    EXPECT_EQ(page.status, 2);
}

TEST(ConvertCommand, AFileNamedInShiftJisIsReadFromTheCommandLine)
{
    QTemporaryDir dir;
    // "棋譜.kif" in CP932: QString cannot hold these bytes, so the name goes through argv raw.
    const QByteArray name = QFile::encodeName(dir.path()) + "/\x8a\xfb\x95\x88.kif";
    {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray kif = Game();
        ASSERT_EQ(::write(fd, kif.constData(), kif.size()), kif.size());
        ::close(fd);
    }
    const QByteArray program = KORVANE_EXE;
    const QByteArray figure = QFile::encodeName(dir.path()) + "/\x8a\xfb\x95\x88.svg";
    const struct {
        QByteArray options;
        std::string out;
    } commands[] = {
        {"--print-moves", "h8 i8 i7 g9 f10\n"},
        {"--forbidden", ""}, // no point is forbidden
        {"--vcf black", "none\n"},
        {"--export '" + figure + "'", ""},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.options.toStdString());
        const QByteArray command = "'" + program + "' " + c.options + " '" + name + "' 2>/dev/null";
        FILE* pipe = ::popen(command.constData(), "r");
        ASSERT_NE(pipe, nullptr);
        char buffer[256] = {};
        const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, pipe);
        EXPECT_EQ(::pclose(pipe), 0);
        EXPECT_EQ(std::string(buffer, n), c.out);
    }
    EXPECT_EQ(::access(figure.constData(), F_OK), 0) << "the figure is written under its name";
}

} // namespace
