// Shared by the file tests: a scratch folder, byte helpers, a fixture for a format's menu
// items, a snapshot of
// everything a refused or failed file command must leave as it was, and a way to
// run a check without root's right to ignore file permissions.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../fixtures/BoardPicture.h"
#include "../fixtures/TempDir.h"
#include "FakePort.h"
#include "main/FileIo.h"
#include "main/HaisekiFile.h"
#include "main/State.h"

using Bytes = std::vector<std::uint8_t>;

// Failure codes print as the message they show.
inline void PrintTo(const IoCode& code, std::ostream* out)
{
    *out << (code == IoOk ? std::string("IoOk") : IoErrorMessage(code));
}

// The names in a folder, sorted: what a save leaves behind.
inline std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutWordAt(Bytes& bytes, std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline std::int32_t WordAt(const Bytes& bytes, std::size_t offset)
{
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = u << 8 | bytes[offset + i];
    return static_cast<std::int32_t>(u);
}

// A stone placement file holding the picture ('X' black, 'O' white).
inline Bytes PlacementImage(const Rows& rows)
{
    std::int32_t cells[CellTableSize];
    LoadPicture(cells, rows);
    std::uint8_t bytes[HaisekiFileSize];
    PackBoard(cells, bytes);
    return Bytes(std::begin(bytes), std::end(bytes));
}

inline void WritePlacement(const std::string& path, const Rows& rows)
{
    WriteBytes(path, PlacementImage(rows));
}

// A .kif image: opening, names (ASCII), moves from slot 0, then an end mark.
inline Bytes KifuImage(int opening, const std::string& black, const std::string& white,
                       const std::vector<int>& moves)
{
    Bytes bytes(668, 0);
    PutWordAt(bytes, 0, opening);
    bytes[4] = static_cast<std::uint8_t>(black.size());
    std::memcpy(bytes.data() + 5, black.data(), black.size());
    bytes[36] = static_cast<std::uint8_t>(white.size());
    std::memcpy(bytes.data() + 37, white.data(), white.size());
    for (std::size_t i = 0; i < moves.size() && i < 150; ++i)
        PutWordAt(bytes, 68 + 4 * i, moves[i]);
    return bytes;
}

// `count` distinct board cells in a fixed order that avoids the centre's opening
// cells, so any prefix can follow any opening.
inline std::vector<int> DistinctCells(int count)
{
    std::vector<int> cells;
    for (int row = 1; row <= 15 && static_cast<int>(cells.size()) < count; ++row)
        for (int column = 1; column <= 15 && static_cast<int>(cells.size()) < count; ++column)
            if (row < 6 || row > 10 || column < 6 || column > 10)
                cells.push_back(row * 16 + column);
    return cells;
}

// A test of one format's menu items: a fresh start, a scratch folder, and Save and Open, which
// answer the file dialog with `path` and choose the item.
template <void (*SaveItem)(), void (*OpenItem)()> class FileCommandTest : public ::testing::Test {
protected:
    void SetUp() override { port.Start(); }
    void Save(const std::string& path)
    {
        port.dialogPaths.push_back(path);
        SaveItem();
    }
    void Open(const std::string& path)
    {
        port.dialogPaths.push_back(path);
        OpenItem();
    }

    TempDir dir;
    FakePort port;
};

// What a file command that fails or refuses must leave untouched.
struct Snapshot {
    std::vector<std::int32_t> cells, marks, moves;
    std::int32_t moveCount, side, black, white, opening;
    EditingMode editMode;
    std::int32_t numbers;
    Bytes info;
    std::string memo;
    std::map<TextId, std::string> texts;
    std::map<NavButton, bool> buttons;
    std::map<PanelId, bool> panels;

    static Snapshot Take(const FakePort& port)
    {
        Snapshot s;
        s.cells.assign(std::begin(BoardCells), std::end(BoardCells));
        s.marks.assign(std::begin(CellMarks), std::end(CellMarks));
        s.moves.assign(std::begin(MoveList), std::end(MoveList));
        s.moveCount = MoveCount;
        s.side = SideToMove;
        s.black = BlackStoneTotal;
        s.white = WhiteStoneTotal;
        s.opening = SelectedOpening;
        s.editMode = EditMode;
        s.numbers = ShowMoveNumbers;
        const auto* head = reinterpret_cast<const std::uint8_t*>(&GameInfo);
        s.info.assign(head, head + sizeof(GameInfo));
        s.memo = port.memo;
        s.texts = port.texts;
        // A missing entry and false mean the same to the window.
        for (const auto& [button, enabled] : port.buttonEnabled)
            if (enabled)
                s.buttons[button] = true;
        for (const auto& [panel, visible] : port.panelVisible)
            if (visible)
                s.panels[panel] = true;
        return s;
    }
    bool operator==(const Snapshot& o) const
    {
        return cells == o.cells && marks == o.marks && moves == o.moves &&
               moveCount == o.moveCount && side == o.side && black == o.black && white == o.white &&
               opening == o.opening && editMode == o.editMode && numbers == o.numbers &&
               info == o.info && memo == o.memo && texts == o.texts && buttons == o.buttons &&
               panels == o.panels;
    }
};

// Runs `check` where file permissions bind: directly for an ordinary user, in a
// child process that has dropped to "nobody" for root. False means the check
// failed; the test is skipped when root cannot drop its rights here.
inline void ExpectWithoutRoot(const std::function<bool()>& check)
{
    if (geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(77);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "running as root and cannot drop to an ordinary user; "
                        "permission checks do not bind root";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "check failed as an ordinary user";
}

// A scratch folder that "nobody" may enter, for the permission tests.
inline void OpenToOthers(const std::string& path)
{
    std::filesystem::permissions(
        path, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                  std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                  std::filesystem::perms::others_exec);
}

// Puts the real system calls back into the write step when a test ends.
struct WriteStepGuard {
    WriteStepGuard() = default;
    WriteStepGuard(const WriteStepGuard&) = delete;
    WriteStepGuard& operator=(const WriteStepGuard&) = delete;
    ~WriteStepGuard() { ResetWriteStepCalls(); }
};

// Makes the write step take its named temporary file, as on a file system without
// unnamed ones.
inline void WithoutUnnamedFiles()
{
    WriteStepSystem.openTemporary = [](int folder, const char* name, int flags, mode_t mode) {
        if ((flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
        return openat(folder, name, flags, mode);
    };
}

// Runs `body` in a child process and returns its wait status: for steps that kill the
// process or might hang it (an alarm ends it after `seconds`).
inline int InChild(const std::function<void()>& body, unsigned seconds = 10)
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(seconds);
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}
