// Every save (game record, stone placement, picture) against a failing disk: each
// system call of the write step made to fail with each kind of error, on a new and on
// an existing file. Nothing may be lost, the message must be the one the table gives,
// no temporary file may stay behind and the game must stay as it was.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "../main/test_files_fixture.h"
#include "DrawnFakePort.h"
#include "drawing/MonoBmp.h"
#include "main/Export.h"
#include "main/FileIo.h"
#include "main/Files.h"
#include "main/Moves.h"
#include "main/State.h"

namespace {

namespace fs = std::filesystem;

int InjectedError = 0;
bool ForceNamed = false;

enum class Call { TemporaryOpen, Write, Sync, Close, Rename };

struct CallCase {
    const char* name;
    Call call;
};
const CallCase Calls[] = {
    {"temporary open", Call::TemporaryOpen},
    {"write", Call::Write},
    {"sync", Call::Sync},
    {"close", Call::Close},
    {"rename", Call::Rename},
};

struct ErrorCase {
    const char* name;
    int error;
    const char* message; // for the game record and the stone placement
};
const ErrorCase Errors[] = {
    {"EIO", EIO, "I/O エラー (5)"},
    {"ENOSPC", ENOSPC, "ディスクがいっぱいです."},
    {"EDQUOT", EDQUOT, "ディスクがいっぱいです."},
    {"EXDEV", EXDEV, "I/O エラー (18)"},
    {"EACCES", EACCES, "ファイルへのアクセスが拒否されました."},
};

enum class Format { Kif, Dat, Bmp };
struct FormatCase {
    const char* name;
    Format format;
    const char* file;
};
const FormatCase Formats[] = {
    {"kif", Format::Kif, "game.kif"},
    {"dat", Format::Dat, "board.dat"},
    {"bmp", Format::Bmp, "board.bmp"},
};

int Fails()
{
    errno = InjectedError;
    return -1;
}

int OpenTemporaryAs(int folder, const char* name, int flags, mode_t mode)
{
    if (ForceNamed && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return openat(folder, name, flags, mode);
}

void Arm(Call call)
{
    WriteStepSystem.openTemporary = OpenTemporaryAs;
    switch (call) {
    case Call::TemporaryOpen:
        WriteStepSystem.openTemporary = [](int folder, const char* name, int flags, mode_t mode) {
            if (ForceNamed && (flags & O_TMPFILE) == O_TMPFILE)
                return OpenTemporaryAs(folder, name, flags, mode);
            return Fails();
        };
        break;
    case Call::Write:
        WriteStepSystem.write = [](int, const void*, std::size_t) -> ssize_t { return Fails(); };
        break;
    case Call::Sync:
        WriteStepSystem.sync = [](int) { return Fails(); };
        break;
    case Call::Close:
        // Linux releases the descriptor even when close reports an error.
        WriteStepSystem.close = [](int fd) {
            close(fd);
            return Fails();
        };
        break;
    case Call::Rename:
        // Both ways of giving the complete file its name.
        WriteStepSystem.rename = [](int, const char*, int, const char*) { return Fails(); };
        WriteStepSystem.link = [](int, const char*, int, const char*, int) { return Fails(); };
        break;
    }
}

class SaveFaults : public testing::Test {
protected:
    void SetUp() override
    {
        port.Start();
        for (int cell : {MakeCell(8, 8), MakeCell(9, 8), MakeCell(9, 9), MakeCell(7, 10)})
            PressCell(CellColumn(cell), CellRow(cell));
    }
    void TearDown() override
    {
        ResetWriteStepCalls();
        ForceNamed = false;
    }

    void Save(Format format, const std::string& path)
    {
        port.dialogPaths.push_back(path);
        switch (format) {
        case Format::Kif:
            MnuSaveAsClick();
            break;
        case Format::Dat:
            MnuHaisekiSaveClick();
            break;
        case Format::Bmp:
            MnuWBHozonClick();
            break;
        }
    }

    DrawnFakePort port;
};

TEST_F(SaveFaults, EveryFailingCallLeavesTheOldFileShowsItsMessageAndLeavesNothingBehind)
{
    const Bytes old(300, 0xAB);
    for (const FormatCase& f : Formats) {
        for (bool existing : {false, true}) {
            for (bool named : {false, true}) {
                for (const CallCase& c : Calls) {
                    for (const ErrorCase& e : Errors) {
                        SCOPED_TRACE(std::string(f.name) + (existing ? ", existing" : ", new") +
                                     (named ? ", named temporary" : ", unnamed temporary") + ", " +
                                     c.name + " fails with " + e.name);
                        TempDir dir;
                        const std::string path = dir.File(f.file);
                        if (existing)
                            WriteBytes(path, old);
                        const Snapshot before = Snapshot::Take(port);
                        port.errors.clear();

                        ForceNamed = named;
                        InjectedError = e.error;
                        Arm(c.call);
                        Save(f.format, path);
                        ResetWriteStepCalls();

                        std::string expected = e.message;
                        if (f.format == Format::Bmp)
                            expected = c.call == Call::TemporaryOpen
                                           ? "ファイル " + path + " を作成できません."
                                           : "ストリームへの書き込みエラー.";
                        EXPECT_EQ(port.errors, std::vector<std::string>{expected});
                        if (existing) {
                            EXPECT_EQ(ReadBytes(path), old);
                            EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{f.file});
                        } else {
                            EXPECT_TRUE(NamesIn(dir.Path()).empty());
                        }
                        EXPECT_TRUE(Snapshot::Take(port) == before);
                    }
                }
            }
        }
    }
}

// The same saves with nothing failing: the seam's real calls write every format.
TEST_F(SaveFaults, WithNothingFailingEverySaveWritesItsFile)
{
    const std::size_t sizes[] = {668, 120, 62 + 48 * 375};
    for (bool named : {false, true}) {
        ForceNamed = named;
        WriteStepSystem.openTemporary = OpenTemporaryAs;
        TempDir dir;
        for (std::size_t i = 0; i < 3; ++i) {
            const FormatCase& f = Formats[i];
            SCOPED_TRACE(f.name);
            Save(f.format, dir.File(f.file));
            EXPECT_TRUE(port.errors.empty());
            EXPECT_EQ(ReadBytes(dir.File(f.file)).size(), sizes[i]);
            WriteBytes(dir.File(f.file), Bytes(3, 1));
            Save(f.format, dir.File(f.file));
            EXPECT_EQ(ReadBytes(dir.File(f.file)).size(), sizes[i]);
        }
        EXPECT_EQ(NamesIn(dir.Path()),
                  (std::vector<std::string>{"board.bmp", "board.dat", "game.kif"}));
    }
}

// The picture goes through the write step as the same bytes the encoder gives, and the
// file of a known position is pinned to the bytes the program has always written.
TEST_F(SaveFaults, ThePictureFileIsTheEncodedBmpByteForByte)
{
    TempDir dir;
    const std::string path = dir.File("board.bmp");
    Save(Format::Bmp, path);
    ASSERT_TRUE(port.errors.empty());
    const Bytes written = ReadBytes(path);
    EXPECT_EQ(written, EncodeMonoBmp(port.exportPicture.Image()));
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (std::uint8_t b : written)
        hash = (hash ^ b) * 16777619u;
    EXPECT_EQ(written.size(), 18062u);
    EXPECT_EQ(hash, 203685785u) << "the bytes of the whole-board picture changed";
}

// The overwrite question looks through links as the save does: a link to a file asks
// and writes that file; a link to nothing asks nothing and creates its target.
TEST_F(SaveFaults, LinksAreFollowedByTheQuestionAndByTheSave)
{
    TempDir dir;
    WriteBytes(dir.File("real.kif"), Bytes(668, 7));
    ASSERT_EQ(symlink("real.kif", dir.File("link.kif").c_str()), 0);
    ASSERT_EQ(symlink("later.dat", dir.File("dangling.dat").c_str()), 0);

    Save(Format::Kif, dir.File("link.kif"));
    ASSERT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(port.questions[0].text,
              dir.File("link.kif") + "ファイルはすでに存在します\r\n上書きしますか？");
    EXPECT_NE(ReadBytes(dir.File("real.kif")), Bytes(668, 7));
    EXPECT_EQ(fs::read_symlink(dir.File("link.kif")), "real.kif");

    Save(Format::Dat, dir.File("dangling.dat"));
    EXPECT_EQ(port.questions.size(), 1u) << "nothing is there yet, so nothing is asked";
    EXPECT_EQ(ReadBytes(dir.File("later.dat")).size(), 120u);
    EXPECT_EQ(fs::read_symlink(dir.File("dangling.dat")), "later.dat");
    EXPECT_TRUE(port.errors.empty());
}

// A pipe nobody reads and a link loop are refused with their message, without a wait.
TEST_F(SaveFaults, ExportOfAPipeOrALoopIsRefusedAtOnce)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe.bmp");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    ASSERT_EQ(symlink("loop.kif", dir.File("loop.kif").c_str()), 0);
    // The pipe exists, so the overwrite question comes first; the answer is OK.
    Save(Format::Bmp, pipe);
    Save(Format::Kif, dir.File("loop.kif"));
    Save(Format::Dat, pipe);
    EXPECT_EQ(port.errors, (std::vector<std::string>{"ファイル " + pipe + " を作成できません.",
                                                     "I/O エラー (40)", "I/O エラー (6)"}));
    EXPECT_EQ(port.questions.size(), 2u) << "a loop names nothing, so nothing is asked";
    EXPECT_EQ(fs::read_symlink(dir.File("loop.kif")), "loop.kif");
}

} // namespace
