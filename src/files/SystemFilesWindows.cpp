// The store's system calls on Windows: wide-character paths, no following
// of reparse points where the Linux side refuses links, the read-only
// attribute honoured, renames written through to the disk.
#include "files/SystemFiles.h"

#include "files/DataFolderLock.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace velomark::sys {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The attributes a replacement keeps; read-only is refused before a save.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring wide(const std::string& utf8) {
    if (utf8.empty())
        return std::wstring();
    const int size = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
    return out;
}

std::string narrow(const wchar_t* text, int size) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(n, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, size, out.data(), n, nullptr, nullptr);
    return out;
}

NativeFile handleOrNone(HANDLE h) {
    return h == INVALID_HANDLE_VALUE ? kNoFile : h;
}

Facts factsFrom(DWORD attributes, std::uint64_t size) {
    Facts facts;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        facts.kind = Kind::Link;
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        facts.kind = Kind::Directory;
    else if (attributes & FILE_ATTRIBUTE_DEVICE)
        facts.kind = Kind::Device;
    else
        facts.kind = Kind::Regular;
    facts.size = size;
    facts.keep = static_cast<int>(attributes & kKeptAttributes);
    facts.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return facts;
}

// Opens what path leads to for its attributes only; a folder opens too.
HANDLE openTarget(const std::string& path) {
    return ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

} // namespace

int lastError() {
    return static_cast<int>(::GetLastError());
}

std::string reason(int error) {
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string words = n > 0 ? narrow(text, static_cast<int>(n))
                              : "system error " + std::to_string(static_cast<DWORD>(error));
    ::LocalFree(text);
    while (!words.empty() && (words.back() == '.' || words.back() == ' ' || words.back() == '\r' ||
                              words.back() == '\n'))
        words.pop_back();
    return words;
}

bool isMissing(int error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool examine(const std::string& path, Facts& facts) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data))
        return false;
    facts = factsFrom(data.dwFileAttributes,
                      std::uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow);
    return true;
}

bool factsOf(NativeFile file, Facts& facts) {
    switch (::GetFileType(file)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_CHAR:
        facts = Facts{Kind::Device};
        return true;
    case FILE_TYPE_PIPE:
        facts = Facts{Kind::Pipe};
        return true;
    default:
        facts = Facts{Kind::Other};
        return ::GetLastError() == NO_ERROR;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info))
        return false;
    // An open handle is what a link led to, so its reparse mark says nothing here.
    facts = factsFrom(info.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_REPARSE_POINT),
                      std::uint64_t(info.nFileSizeHigh) << 32 | info.nFileSizeLow);
    return true;
}

bool examineTarget(const std::string& path, Facts& facts) {
    const HANDLE h = openTarget(path);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool known = factsOf(h, facts);
    const DWORD err = ::GetLastError();
    ::CloseHandle(h);
    ::SetLastError(err);
    return known;
}

std::optional<std::string> finalPath(const std::string& path) {
    const HANDLE h = openTarget(path);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(h, buffer.data(), DWORD(buffer.size()), 0);
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = ::GetFinalPathNameByHandleW(h, buffer.data(), DWORD(buffer.size()), 0);
    }
    ::CloseHandle(h);
    if (n == 0 || n >= buffer.size())
        return std::nullopt;
    buffer.resize(n);
    // The answer comes as \\?\C:\... or \\?\UNC\server\share\...
    if (buffer.starts_with(L"\\\\?\\UNC\\"))
        buffer.replace(0, 8, L"\\\\");
    else if (buffer.starts_with(L"\\\\?\\"))
        buffer.erase(0, 4);
    return narrow(buffer.data(), static_cast<int>(buffer.size()));
}

bool identify(const std::string& path, FileIdentity& identity) {
    const HANDLE h = openTarget(path);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(h, &info) != 0;
    const DWORD err = ::GetLastError();
    ::CloseHandle(h);
    ::SetLastError(err);
    if (known)
        identity = {info.dwVolumeSerialNumber,
                    std::uint64_t(info.nFileIndexHigh) << 32 | info.nFileIndexLow};
    return known;
}

NativeFile openForReading(const std::string& path) {
    // A folder opens too, so that it is named as one rather than refused unseen.
    return handleOrNone(::CreateFileW(wide(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

NativeFile createNew(const std::string& path, int) {
    return handleOrNone(
        ::CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

NativeFile openForAppending(const std::string& path) {
    // FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the end.
    const DWORD access = FILE_READ_DATA | FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
    return handleOrNone(::CreateFileW(wide(path).c_str(), access, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

long long readSome(NativeFile file, char* buffer, std::size_t size) {
    DWORD n = 0;
    const DWORD wanted = DWORD(std::min<std::size_t>(size, 1 << 30));
    if (!::ReadFile(file, buffer, wanted, &n, nullptr))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return n;
}

long long readAt(NativeFile file, char* buffer, std::size_t size, std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = DWORD(offset);
    at.OffsetHigh = DWORD(offset >> 32);
    DWORD n = 0;
    const DWORD wanted = DWORD(std::min<std::size_t>(size, 1 << 30));
    if (!::ReadFile(file, buffer, wanted, &n, &at))
        return ::GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return n;
}

bool writeAll(NativeFile file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD n = 0;
        const DWORD wanted = DWORD(std::min<std::size_t>(bytes.size(), 1 << 30));
        if (!::WriteFile(file, bytes.data(), wanted, &n, nullptr))
            return false;
        if (n == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(n);
    }
    return true;
}

bool flush(NativeFile file) {
    return ::FlushFileBuffers(file) != 0;
}

bool setKept(NativeFile file, int keep) {
    FILE_BASIC_INFO info{}; // times left at zero stay as they are
    info.FileAttributes = keep == 0 ? FILE_ATTRIBUTE_NORMAL : DWORD(keep);
    return ::SetFileInformationByHandle(file, FileBasicInfo, &info, sizeof info) != 0;
}

bool close(NativeFile file) {
    return ::CloseHandle(file) != 0;
}

bool removeEntry(const std::string& path) {
    const std::wstring name = wide(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    // A link to a folder is removed as a folder, which leaves the folder it
    // leads to alone; a read-only file of ours is removed as on Linux.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return ::RemoveDirectoryW(name.c_str()) != 0;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        ::SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    return ::DeleteFileW(name.c_str()) != 0;
}

bool renameOver(const std::string& from, const std::string& to) {
    // The attributes the old file had were given to the new one before, so a
    // plain rename (one step, unlike ReplaceFileW's) keeps them.
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool flushFolder(const std::string&) {
    // Windows has no folder flush; MOVEFILE_WRITE_THROUGH and FlushFileBuffers
    // have made the rename and a new file's name last already.
    return true;
}

LockState lockFolder(const std::string& dir, NativeFile& file) {
    // Windows locks no folder, so the lock is on a hidden file in it that
    // goes when its last handle closes, at a crash too. Every copy opens it
    // shared, so only the lock itself decides.
    const std::string path = (dir.empty() ? std::string(".") : dir) + "\\" + kFolderLockName;
    const HANDLE h = ::CreateFileW(
        wide(path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return LockState::CannotOpen;
    OVERLAPPED whole{};
    if (!::LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        const DWORD err = ::GetLastError();
        ::CloseHandle(h);
        ::SetLastError(err);
        return err == ERROR_LOCK_VIOLATION ? LockState::Busy : LockState::CannotLock;
    }
    file = h;
    return LockState::Held;
}

std::vector<std::string> arguments(int, char**) {
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 0; words && i < count; ++i)
        out.push_back(narrow(words[i], static_cast<int>(wcslen(words[i]))));
    ::LocalFree(words);
    return out;
}

} // namespace velomark::sys
