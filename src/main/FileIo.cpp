#include "main/FileIo.h"

#include <cerrno>
#include <cstdio>

namespace {

// The code for a platform result, with what a short transfer means for this step.
IoCode CodeOf(const FileResult& result, IoCode shortTransfer)
{
    if (result.error == ShortTransfer)
        return shortTransfer;
    return IoCodeFromErrno(SystemError{result.error}, result.path);
}

} // namespace

IoCode IoCodeFromErrno(SystemError error, const std::string& path)
{
    const int e = static_cast<int>(error);
    switch (e) {
    case 0:
        return IoOk;
    case ENOENT:
        // A missing folder on the way is a bad path, as on the system the codes come
        // from; only a missing file in an existing folder is "not found".
        return !path.empty() && !FolderExists(ParentFolder(path)) ? IoBadFileName : IoFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR:
        return IoBadFileName;
    case EMFILE:
    case ENFILE:
        return IoTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return IoAccessDenied;
    case ENOSPC:
    case EDQUOT:
        return IoShortWrite;
    default:
        return IoOtherError(e);
    }
}

std::string IoErrorMessage(IoCode code)
{
    switch (code.kind) {
    case IoKind::Ok:
        return std::string();
    case IoKind::FileNotFound:
        return "ファイルが見つかりません";
    case IoKind::BadFileName:
        return "不正なファイル名です";
    case IoKind::TooManyOpenFiles:
        return "オープンしたファイルが多すぎます";
    case IoKind::AccessDenied:
        return "ファイルへのアクセスが拒否されました";
    case IoKind::ShortRead:
        return "ファイルの末尾以降を読み込みました";
    case IoKind::ShortWrite:
        return "ディスクがいっぱいです";
    case IoKind::BadContent:
        return "ファイルの内容が正しくありません";
    case IoKind::OtherSystemError:
        break;
    }
    char text[48];
    std::snprintf(text, sizeof text, "I/O エラー (%d)", code.systemError);
    return text;
}

IoCode ReadFileExact(const std::string& path, std::uint8_t* buffer, std::size_t size)
{
    return CodeOf(ReadFileBytes(path, buffer, size), IoShortRead);
}

IoCode WriteWholeFile(const std::string& path, const std::uint8_t* data, std::size_t size,
                      WriteStage* failedAt)
{
    return CodeOf(WriteFileBytes(path, data, size, failedAt), IoShortWrite);
}
