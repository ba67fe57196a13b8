// The shared file step: exact reads; the one write step with its two routes (a
// temporary file renamed over the target, or a write in place), the odd targets it
// meets (links, hard links, devices, pipes, long names) and what a crash in the middle
// leaves; the errno mapping and the error box's message and period.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

#include "main/FileIo.h"
#include "main/Files.h"
#include "test_files_fixture.h"

namespace {

namespace fs = std::filesystem;

// Operating-system numbers and the table's codes overlap (EIO is 5, "access denied"
// is 5 too): every errno must reach the message meant for it.
TEST(IoCodes, EveryErrnoShowsItsOwnMessage)
{
    const struct {
        int error;
        const char* shown;
    } cases[] = {
        {ENOENT, "ファイルが見つかりません."},
        {ENOTDIR, "不正なファイル名です."},
        {ENAMETOOLONG, "不正なファイル名です."},
        {EINVAL, "不正なファイル名です."},
        {EISDIR, "不正なファイル名です."},
        {EMFILE, "オープンしたファイルが多すぎます."},
        {ENFILE, "オープンしたファイルが多すぎます."},
        {EACCES, "ファイルへのアクセスが拒否されました."},
        {EPERM, "ファイルへのアクセスが拒否されました."},
        {EROFS, "ファイルへのアクセスが拒否されました."},
        {ENOSPC, "ディスクがいっぱいです."},
        {EDQUOT, "ディスクがいっぱいです."},
        {EIO, "I/O エラー (5)"},
        {EXDEV, "I/O エラー (18)"},
        {ELOOP, "I/O エラー (40)"},
        {ENXIO, "I/O エラー (6)"},
        {2 + 100, "I/O エラー (102)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithErrorPeriod(IoErrorMessage(IoCodeFromErrno(SystemError{c.error}))), c.shown)
            << c.error;
    EXPECT_EQ(IoCodeFromErrno(SystemError{EIO}), IoOtherError(EIO));
    EXPECT_NE(IoCodeFromErrno(SystemError{EIO}), IoAccessDenied);
    EXPECT_EQ(IoCodeFromErrno(SystemError{0}), IoOk);
}

TEST(IoCodes, MissingFolderOnTheWayIsABadNameNotAMissingFile)
{
    TempDir dir;
    EXPECT_EQ(IoCodeFromErrno(SystemError{ENOENT}, dir.File("absent.kif")), IoFileNotFound);
    EXPECT_EQ(IoCodeFromErrno(SystemError{ENOENT}, dir.File("nofolder/absent.kif")), IoBadFileName);
}

TEST(ErrorBox, MessagesGetThePeriodByTheirLastCharacter)
{
    const struct {
        IoCode code;
        const char* shown;
    } cases[] = {
        {IoFileNotFound, "ファイルが見つかりません."},
        {IoBadFileName, "不正なファイル名です."},
        {IoTooManyOpenFiles, "オープンしたファイルが多すぎます."},
        {IoAccessDenied, "ファイルへのアクセスが拒否されました."},
        {IoShortRead, "ファイルの末尾以降を読み込みました."},
        {IoShortWrite, "ディスクがいっぱいです."},
        {IoBadContent, "ファイルの内容が正しくありません."},
        {IoOtherError(32), "I/O エラー (32)"}, // ")" sorts before "."
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithErrorPeriod(IoErrorMessage(c.code)), c.shown) << c.shown;

    // Code points, not bytes: "-" (U+002D) and "." stay bare; "/" and "。" get one.
    EXPECT_EQ(WithErrorPeriod("a-"), "a-");
    EXPECT_EQ(WithErrorPeriod("a."), "a.");
    EXPECT_EQ(WithErrorPeriod("a/"), "a/.");
    EXPECT_EQ(WithErrorPeriod("終了。"), "終了。.");
    EXPECT_EQ(WithErrorPeriod(""), "");
}

TEST(ReadFileExact, ReadsTheFirstBytesOfALongerFileAndRefusesAShortOne)
{
    TempDir dir;
    Bytes content(200);
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<std::uint8_t>(i);
    WriteBytes(dir.File("long"), content);
    WriteBytes(dir.File("short"), Bytes(119, 7));

    std::uint8_t buffer[120] = {};
    EXPECT_EQ(ReadFileExact(dir.File("long"), buffer, 120), IoOk);
    EXPECT_EQ(Bytes(buffer, buffer + 120), Bytes(content.begin(), content.begin() + 120));
    EXPECT_EQ(ReadFileExact(dir.File("short"), buffer, 120), IoShortRead);
}

TEST(ReadFileExact, ReportsBadPathsByTheirCode)
{
    TempDir dir;
    EXPECT_EQ(ReadFileExact(dir.File("absent"), nullptr, 0), IoFileNotFound);
    EXPECT_EQ(ReadFileExact(dir.File("absent/x"), nullptr, 0), IoBadFileName);
    std::uint8_t buffer[4];
    EXPECT_EQ(ReadFileExact(dir.Path(), buffer, 4), IoBadFileName); // a folder
    EXPECT_EQ(ReadFileExact(dir.File(std::string(300, 'n')), buffer, 4), IoBadFileName);
}

TEST(ReadFileExact, DeniedReadIsAccessDenied)
{
    TempDir dir;
    OpenToOthers(dir.Path());
    const std::string path = dir.File("secret");
    WriteBytes(path, Bytes(8, 1));
    chmod(path.c_str(), 0);
    ExpectWithoutRoot([&] {
        std::uint8_t buffer[8];
        return ReadFileExact(path, buffer, 8) == IoAccessDenied;
    });
}

IoCode Write(const std::string& path, const Bytes& content, WriteStage* stage = nullptr)
{
    return WriteWholeFile(path, content.data(), content.size(), stage);
}

struct Route {
    const char* name;
    bool unnamed;
};
const Route Routes[] = {{"unnamed temporary file", true}, {"named temporary file", false}};

// Both ways of replacing: through an unnamed temporary file and, where the file system
// has none, through a named one. New files take the usual mode; a replaced file keeps
// its own; the longest name the file system allows works, and nothing is left beside.
TEST(WriteWholeFile, CreatesAndReplacesKeepingModeWithNothingLeftBeside)
{
    for (const Route& route : Routes) {
        SCOPED_TRACE(route.name);
        WriteStepGuard guard;
        if (!route.unnamed)
            WithoutUnnamedFiles();
        TempDir dir;
        for (const std::string& name : {std::string("game.kif"), std::string(255, 'k')}) {
            const std::string path = dir.File(name);
            const Bytes first(668, 1), second(700, 2), third(120, 3);
            const mode_t mask = umask(022);
            ASSERT_EQ(Write(path, first), IoOk);
            umask(mask);
            EXPECT_EQ(ReadBytes(path), first);
            struct stat st {};
            ASSERT_EQ(stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0644u) << "a new file takes the usual mode";

            chmod(path.c_str(), 0604);
            ASSERT_EQ(Write(path, second), IoOk);
            EXPECT_EQ(ReadBytes(path), second);
            ASSERT_EQ(Write(path, third), IoOk) << "a shorter content leaves no old tail";
            EXPECT_EQ(ReadBytes(path), third);
            ASSERT_EQ(stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0604u) << "the replaced file keeps its mode";
            EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{name});
            fs::remove(path);
        }
    }
}

TEST(WriteWholeFile, ReplacingKeepsOwnerAndGroupWhereAllowed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    for (const Route& route : Routes) {
        SCOPED_TRACE(route.name);
        WriteStepGuard guard;
        if (!route.unnamed)
            WithoutUnnamedFiles();
        TempDir dir;
        const std::string path = dir.File("theirs.kif");
        WriteBytes(path, Bytes(668, 1));
        ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
        chmod(path.c_str(), 0640);
        ASSERT_EQ(Write(path, Bytes(668, 2)), IoOk);
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        EXPECT_EQ(ReadBytes(path), Bytes(668, 2));
    }
}

// Another user's file that we may write, in a folder we may write too: a replacement
// would be ours, so the file is written in place and keeps its owner and group.
TEST(WriteWholeFile, AnotherUsersFileInASharedFolderKeepsItsOwner)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "acting as a second user needs root";
    for (const Route& route : Routes) {
        SCOPED_TRACE(route.name);
        WriteStepGuard guard;
        if (!route.unnamed)
            WithoutUnnamedFiles();
        TempDir dir;
        chmod(dir.Path().c_str(), 0777); // shared, without the sticky bit
        const std::string path = dir.File("shared.kif");
        WriteBytes(path, Bytes(668, 1));
        ASSERT_EQ(chown(path.c_str(), 12345, 12346), 0);
        chmod(path.c_str(), 0666);
        struct stat before {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        ExpectWithoutRoot([&] { return Write(path, Bytes(668, 2)) == IoOk; });
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_uid, 12345u);
        EXPECT_EQ(after.st_gid, 12346u);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode & 07777, 0666u);
        EXPECT_EQ(ReadBytes(path), Bytes(668, 2));
        EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"shared.kif"});
    }
}

// A save through a symbolic link writes the file the link names, as opening the link
// for writing would; the link itself stays a link.
TEST(WriteWholeFile, ThroughALinkTheFileItNamesIsWrittenOrCreated)
{
    TempDir dir;
    fs::create_directory(dir.File("real"));
    const Bytes content(668, 9);

    WriteBytes(dir.File("real/game.kif"), Bytes(4, 1));
    fs::create_symlink(dir.File("real/game.kif"), dir.File("link.kif"));
    ASSERT_EQ(Write(dir.File("link.kif"), content), IoOk);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.kif")));
    EXPECT_EQ(ReadBytes(dir.File("real/game.kif")), content);

    // Dangling, through a chain of relative links: the last one's target is created.
    fs::create_symlink("real/second.kif", dir.File("first.kif"));
    fs::create_symlink("new.kif", dir.File("real/second.kif"));
    EXPECT_FALSE(FileExists(dir.File("first.kif"))) << "a link to nothing names nothing";
    ASSERT_EQ(Write(dir.File("first.kif"), content), IoOk);
    EXPECT_TRUE(fs::is_symlink(dir.File("first.kif")));
    EXPECT_TRUE(fs::is_symlink(dir.File("real/second.kif")));
    EXPECT_EQ(ReadBytes(dir.File("real/new.kif")), content);
    EXPECT_EQ(NamesIn(dir.File("real")),
              (std::vector<std::string>{"game.kif", "new.kif", "second.kif"}));

    // Into a folder that does not exist: a bad name, as for any path.
    fs::create_symlink("nowhere/x.kif", dir.File("lost.kif"));
    EXPECT_EQ(Write(dir.File("lost.kif"), content), IoBadFileName);
    EXPECT_TRUE(fs::is_symlink(dir.File("lost.kif")));
}

TEST(WriteWholeFile, ALinkLoopIsAnErrorAndTheLinksStay)
{
    TempDir dir;
    fs::create_symlink("b.kif", dir.File("a.kif"));
    fs::create_symlink("a.kif", dir.File("b.kif"));
    fs::create_symlink("self.kif", dir.File("self.kif"));
    for (const char* name : {"a.kif", "self.kif"}) {
        SCOPED_TRACE(name);
        WriteStage stage = WriteStage::Write;
        EXPECT_EQ(Write(dir.File(name), Bytes(8, 1), &stage), IoOtherError(ELOOP));
        EXPECT_EQ(stage, WriteStage::Create);
    }
    EXPECT_EQ(fs::read_symlink(dir.File("a.kif")), "b.kif");
    EXPECT_EQ(fs::read_symlink(dir.File("self.kif")), "self.kif");
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"a.kif", "b.kif", "self.kif"}));
}

// Replacing would cut one name off the others; written in place, every name sees it.
TEST(WriteWholeFile, EveryHardLinkSeesTheNewContent)
{
    TempDir dir;
    const std::string one = dir.File("one.kif"), two = dir.File("two.kif");
    WriteBytes(one, Bytes(700, 1));
    fs::create_hard_link(one, two);
    const Bytes content(668, 2);
    ASSERT_EQ(Write(one, content), IoOk);
    EXPECT_EQ(ReadBytes(one), content) << "cut to the new size";
    EXPECT_EQ(ReadBytes(two), content);
    EXPECT_EQ(fs::hard_link_count(one), 2u);
}

TEST(WriteWholeFile, ADeviceIsWrittenInPlaceNeverRenamedOver)
{
    // /dev/full takes no byte: the disk-full code, and the device is still there.
    const Bytes content(120, 5);
    WriteStage stage = WriteStage::Create;
    EXPECT_EQ(Write("/dev/full", content, &stage), IoShortWrite);
    EXPECT_EQ(stage, WriteStage::Write);
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(Write("/dev/null", content), IoOk);
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

// A pipe nobody reads would hold the window forever; it is an error at once.
TEST(WriteWholeFile, APipeWithoutReaderIsAnErrorNotAWait)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe.kif");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const int status = InChild([&] {
        WriteStage stage = WriteStage::Write;
        const bool refused = Write(pipe, Bytes(668, 1), &stage) == IoOtherError(ENXIO) &&
                             stage == WriteStage::Create;
        _exit(refused ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status)) << "the write hung or crashed";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
}

TEST(WriteWholeFile, BadTargetsGiveTheirCodes)
{
    TempDir dir;
    const Bytes content(8, 1);
    EXPECT_EQ(Write(dir.File("nofolder/x.kif"), content), IoBadFileName);
    EXPECT_EQ(Write(dir.Path(), content), IoBadFileName);
    EXPECT_EQ(Write(dir.Path() + "/", content), IoBadFileName);
    EXPECT_EQ(Write("", content), IoBadFileName);
    EXPECT_EQ(Write(dir.File(std::string(256, 'n')), content), IoBadFileName);
    EXPECT_TRUE(fs::is_directory(dir.Path()));
    EXPECT_TRUE(NamesIn(dir.Path()).empty());
}

// A save that fails half-way (here: the file-size limit lets 100 bytes through)
// must leave the old file byte for byte, and no temporary file behind.
TEST(WriteWholeFile, FailureHalfWayLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string path = dir.File("game.kif");
    const Bytes old(668, 0x11), fresh(668, 0x22);
    WriteBytes(path, old);

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const IoCode code = Write(path, fresh);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(code, IoShortWrite);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"game.kif"});
}

TEST(WriteWholeFile, ReadOnlyFileOrFolderIsAccessDenied)
{
    TempDir dir;
    OpenToOthers(dir.Path());
    const std::string locked = dir.File("locked.kif");
    WriteBytes(locked, Bytes(4, 3));
    chmod(locked.c_str(), 0444);
    fs::create_directory(dir.File("shut"));
    chmod(dir.File("shut").c_str(), 0555);
    ExpectWithoutRoot([&] {
        const Bytes content(8, 1);
        return Write(locked, content) == IoAccessDenied && ReadBytes(locked) == Bytes(4, 3) &&
               Write(dir.File("shut/new.kif"), content) == IoAccessDenied;
    });
}

// A writable file in a folder that takes no new file is written in place: same file,
// same owner, new content.
TEST(WriteWholeFile, WritableFileInAClosedFolderIsWrittenInPlace)
{
    TempDir dir;
    OpenToOthers(dir.Path());
    fs::create_directory(dir.File("shut"));
    const std::string path = dir.File("shut/game.kif");
    WriteBytes(path, Bytes(700, 1));
    chmod(path.c_str(), 0666);
    chmod(dir.File("shut").c_str(), 0555);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    ExpectWithoutRoot([&] {
        struct stat after {};
        return Write(path, Bytes(668, 2)) == IoOk && ReadBytes(path) == Bytes(668, 2) &&
               stat(path.c_str(), &after) == 0 && after.st_ino == before.st_ino &&
               NamesIn(dir.File("shut")) == std::vector<std::string>{"game.kif"};
    });
}

// A drop folder (write and enter, no listing) takes new files and replacements.
TEST(WriteWholeFile, AFolderThatCannotBeListedStillTakesTheFile)
{
    TempDir dir;
    OpenToOthers(dir.Path());
    fs::create_directory(dir.File("drop"));
    chmod(dir.File("drop").c_str(), 0333);
    ExpectWithoutRoot([&] {
        const std::string path = dir.File("drop/game.kif");
        return Write(path, Bytes(668, 1)) == IoOk && Write(path, Bytes(668, 2)) == IoOk &&
               ReadBytes(path) == Bytes(668, 2);
    });
}

// A failure of the write in place puts the old bytes back; it never leaves the file
// torn or empty.
TEST(WriteWholeFile, FailedWriteInPlacePutsTheOldBytesBack)
{
    TempDir dir;
    const std::string path = dir.File("one.kif");
    const Bytes old(700, 1);
    WriteBytes(path, old);
    fs::create_hard_link(path, dir.File("two.kif"));
    WriteStepGuard guard;
    static int syncCalls;
    syncCalls = 0;
    WriteStepSystem.sync = [](int fd) {
        // The first sync (of the new content) fails; putting back may sync again.
        if (syncCalls++ == 0) {
            errno = EIO;
            return -1;
        }
        return fsync(fd);
    };
    EXPECT_EQ(Write(path, Bytes(668, 2)), IoOtherError(EIO));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(ReadBytes(dir.File("two.kif")), old);
}

// Killed between the write and the cut to size, a file written in place holds the
// new record (with the old tail behind it), never nothing.
TEST(WriteWholeFile, KillBetweenWriteAndTruncateLeavesARecordNeverAnEmptyFile)
{
    TempDir dir;
    const std::string path = dir.File("one.kif");
    const Bytes old(700, 1), fresh(668, 2);
    WriteBytes(path, old);
    fs::create_hard_link(path, dir.File("two.kif"));
    const int status = InChild([&] {
        WriteStepSystem.truncate = [](int, off_t) -> int {
            raise(SIGKILL);
            return -1;
        };
        Write(path, fresh);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    const Bytes now = ReadBytes(path);
    ASSERT_EQ(now.size(), old.size());
    EXPECT_EQ(Bytes(now.begin(), now.begin() + 668), fresh);
    EXPECT_EQ(ReadBytes(dir.File("two.kif")), now);
}

// Killed at any step before the file has its name, a replacement leaves the old file
// and, with an unnamed temporary file, nothing beside it.
TEST(WriteWholeFile, KillDuringAReplacementLeavesTheOldFileAndNoTemporaryFile)
{
    const struct {
        const char* step;
        void (*arm)();
    } steps[] = {
        {"write",
         [] {
             WriteStepSystem.write = [](int, const void*, std::size_t) -> ssize_t {
                 raise(SIGKILL);
                 return -1;
             };
         }},
        {"sync",
         [] {
             WriteStepSystem.sync = [](int) -> int {
                 raise(SIGKILL);
                 return -1;
             };
         }},
    };
    {
        TempDir probe;
        const int fd = open(probe.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
        if (fd < 0)
            GTEST_SKIP() << "no unnamed files here: a killed save may leave its temporary file";
        close(fd);
    }
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        TempDir dir;
        const std::string path = dir.File("game.kif");
        WriteBytes(path, Bytes(668, 1));
        const int status = InChild([&] {
            step.arm();
            Write(path, Bytes(668, 2));
        });
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(ReadBytes(path), Bytes(668, 1));
        EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"game.kif"});
        // A new file killed before its name appears leaves nothing at all.
        const int created = InChild([&] {
            step.arm();
            Write(dir.File("new.kif"), Bytes(668, 2));
        });
        ASSERT_TRUE(WIFSIGNALED(created));
        EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"game.kif"});
    }
}

} // namespace
