// The shared file step: exact reads, replacing writes that keep the old file whole
// on failure, the errno mapping and the error box's message and period.
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

TEST(IoCodes, MapErrnoToTheMessageTable)
{
    const struct {
        int error;
        int code;
    } cases[] = {
        {ENOENT, 2},   {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {EINVAL, 3}, {EISDIR, 3},
        {EMFILE, 4},   {ENFILE, 4},  {EACCES, 5},       {EPERM, 5},  {EROFS, 5},
        {ENOSPC, 101}, {EIO, EIO},   {ELOOP, ELOOP},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IoCodeFromErrno(c.error), c.code) << c.error;
}

TEST(IoCodes, MissingFolderOnTheWayIsABadNameNotAMissingFile)
{
    TempDir dir;
    EXPECT_EQ(IoCodeFromErrno(ENOENT, dir.File("absent.kif")), IoFileNotFound);
    EXPECT_EQ(IoCodeFromErrno(ENOENT, dir.File("nofolder/absent.kif")), IoBadFileName);
}

TEST(ErrorBox, MessagesGetThePeriodByTheirLastCharacter)
{
    const struct {
        int code;
        const char* shown;
    } cases[] = {
        {2, "ファイルが見つかりません."},
        {3, "不正なファイル名です."},
        {4, "オープンしたファイルが多すぎます."},
        {5, "ファイルへのアクセスが拒否されました."},
        {100, "ファイルの末尾以降を読み込みました."},
        {101, "ディスクがいっぱいです."},
        {IoBadContent, "ファイルの内容が正しくありません."},
        {32, "I/O エラー (32)"}, // ")" sorts before "."
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithErrorPeriod(IoErrorMessage(c.code)), c.shown) << c.code;

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

TEST(WriteFileReplacing, CreatesReplacesAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.File("game.kif");
    const Bytes first(668, 1), second(668, 2);
    ASSERT_EQ(WriteFileReplacing(path, first.data(), first.size()), IoOk);
    EXPECT_EQ(ReadBytes(path), first);
    chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileReplacing(path, second.data(), second.size()), IoOk);
    EXPECT_EQ(ReadBytes(path), second);
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(WriteFileReplacing, ReplacesTheFileALinkNamesAndKeepsTheLink)
{
    TempDir dir;
    fs::create_directory(dir.File("real"));
    const std::string target = dir.File("real/game.kif");
    WriteBytes(target, Bytes(4, 1));
    fs::create_symlink(target, dir.File("link.kif"));
    const Bytes content(668, 9);
    ASSERT_EQ(WriteFileReplacing(dir.File("link.kif"), content.data(), content.size()), IoOk);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.kif")));
    EXPECT_EQ(ReadBytes(target), content);
}

TEST(WriteFileReplacing, ADeviceIsWrittenInPlaceNeverRenamedOver)
{
    // /dev/full takes no byte: the disk-full code, and the device is still there.
    const Bytes content(120, 5);
    EXPECT_EQ(WriteFileReplacing("/dev/full", content.data(), content.size()), IoShortWrite);
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(WriteFileReplacing("/dev/null", content.data(), content.size()), IoOk);
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(WriteFileReplacing, BadTargetsGiveTheirCodes)
{
    TempDir dir;
    const Bytes content(8, 1);
    EXPECT_EQ(WriteFileReplacing(dir.File("nofolder/x.kif"), content.data(), 8), IoBadFileName);
    EXPECT_EQ(WriteFileReplacing(dir.Path(), content.data(), 8), IoBadFileName);
    EXPECT_TRUE(fs::is_directory(dir.Path()));
}

// A save that fails half-way (here: the file-size limit lets 100 bytes through)
// must leave the old file byte for byte, and no temporary file behind.
TEST(WriteFileReplacing, FailureHalfWayLeavesTheOldFileWhole)
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
    const int code = WriteFileReplacing(path, fresh.data(), fresh.size());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(code, IoShortWrite);
    EXPECT_EQ(ReadBytes(path), old);
    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(WriteFileReplacing, ReadOnlyFileOrFolderIsAccessDenied)
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
        return WriteFileReplacing(locked, content.data(), 8) == IoAccessDenied &&
               ReadBytes(locked) == Bytes(4, 3) &&
               WriteFileReplacing(dir.File("shut/new.kif"), content.data(), 8) == IoAccessDenied;
    });
}

} // namespace
