// The platform seam for the native build: POSIX files, the local clock, a
// stand-in screen, and error boxes on stderr.
#include "settings_file/platform.h"
#include "text/cp932.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr ScreenSize kStandInScreen = {1024, 768, kBaseDpi, {3, 3}};
constexpr int kCopyChunkSize = 65536;
constexpr int kDirectorySize = 4096;
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

char copyChunk[kCopyChunkSize];
char otherChunk[kCopyChunkSize];

// Converters between one UTF-16 unit (LE, as bytes) and CP932, opened once.
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
iconv_t toCp932 = kNoConverter;
iconv_t fromCp932 = kNoConverter;
// Room for one character's form either way; CP932 needs two bytes at most.
constexpr int kCharFormSize = 8;

// Windows' CP932 table gives these single bytes a character; glibc's has
// none for them. Both sides must write the same bytes.
struct WindowsOnlyByte {
    char16_t unit;
    char byte;
};
constexpr WindowsOnlyByte kWindowsOnlyBytes[] = {
    {u'\u0080', '\x80'},
    {u'\uF8F0', '\xA0'},
    {u'\uF8F1', '\xFD'},
    {u'\uF8F2', '\xFE'},
    {u'\uF8F3', '\xFF'},
};

int closeChecked(int fd) { return close(fd) == 0 ? 0 : -1; }

// Fills buffer from fd as far as the file goes: the count, or -1.
ssize_t readChunk(int fd, char* buffer, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

// Reads exactly length bytes unless the file ends or fails first.
bool readAll(int fd, char* buffer, int length) { return readChunk(fd, buffer, static_cast<size_t>(length)) == length; }

bool writeAll(int fd, const char* data, int length)
{
    int done = 0;
    while (done < length) {
        const ssize_t n = write(fd, data + done, static_cast<size_t>(length - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<int>(n);
    }
    return true;
}

// A file without any write bit is read-only, even for a user (root) whom the
// system would let replace it.
bool isReadOnly(const char* path)
{
    struct stat info;
    return stat(path, &info) == 0 && (info.st_mode & kAnyWriteBit) == 0;
}

// Makes a rename in the directory of path survive a power cut.
void syncDirectoryOf(const char* path)
{
    char directory[kDirectorySize] = ".";
    const char* slash = std::strrchr(path, '/');
    if (slash != nullptr) {
        const size_t length = slash == path ? 1 : static_cast<size_t>(slash - path);
        if (length >= sizeof directory) return;
        std::memcpy(directory, path, length);
        directory[length] = '\0';
    }
    const int fd = open(directory, O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

FileReadResult posixReadFile(const char* path, char* buffer, int maxBytes, int* length)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer, and some
    // devices wait too; for a regular file it changes nothing.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno == ENOENT ? FileReadResult::notFound : FileReadResult::openFailed;
    struct stat info;
    FileReadResult result = FileReadResult::ok;
    if (fstat(fd, &info) != 0)
        result = FileReadResult::readFailed;
    else if (!S_ISREG(info.st_mode))
        result = FileReadResult::notRegularFile;
    else if (info.st_size > maxBytes)
        result = FileReadResult::tooLarge;
    else if (!readAll(fd, buffer, static_cast<int>(info.st_size)))
        result = FileReadResult::readFailed;
    else
        *length = static_cast<int>(info.st_size);
    close(fd);
    return result;
}

FileWriteResult posixWriteFileDurably(const char* path, const char* data, int length)
{
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return FileWriteResult::openFailed;
    const bool written = writeAll(fd, data, length) && fsync(fd) == 0;
    return closeChecked(fd) == 0 && written ? FileWriteResult::ok : FileWriteResult::writeFailed;
}

// As on Windows, a read-only file stays.
int posixRemoveFile(const char* path)
{
    if (isReadOnly(path)) return -1;
    return unlink(path) == 0 ? 0 : -1;
}

bool swapNames(const char* a, const char* b) { return renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_EXCHANGE) == 0; }

ReplaceResult posixReplaceFile(const char* from, const char* to, const char* caught)
{
    if (isReadOnly(to)) return ReplaceResult::failed;
    if (!swapNames(from, to)) {
        if (errno == ENOENT && access(from, F_OK) == 0) return ReplaceResult::noTarget;
        if (errno != EINVAL) return ReplaceResult::failed;
        // A file system that cannot swap: the old version is linked to its
        // catch name first, leaving a moment in which a save of another
        // program would be lost. The program's own file systems swap.
        if (link(to, caught) != 0) return errno == ENOENT ? ReplaceResult::noTarget : ReplaceResult::failed;
        if (rename(from, to) != 0) {
            unlink(caught);
            return ReplaceResult::failed;
        }
        syncDirectoryOf(to);
        return ReplaceResult::replaced;
    }
    // The version replaced now has from's name.
    if (renameat2(AT_FDCWD, from, AT_FDCWD, caught, RENAME_NOREPLACE) != 0) {
        swapNames(from, to);
        return ReplaceResult::failed;
    }
    syncDirectoryOf(to);
    return ReplaceResult::replaced;
}

int posixRenameNoReplace(const char* from, const char* to)
{
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) != 0) {
        // File systems without the flag: a hard link fails on an existing
        // name just the same.
        if (errno != EINVAL && errno != ENOSYS) return -1;
        if (link(from, to) != 0) return -1;
        unlink(from);
    }
    syncDirectoryOf(to);
    return 0;
}

int posixSameBytes(const char* a, const char* b)
{
    const int first = open(a, O_RDONLY);
    const int second = open(b, O_RDONLY);
    int result = first >= 0 && second >= 0 ? 1 : -1;
    while (result == 1) {
        const ssize_t n = readChunk(first, copyChunk, sizeof copyChunk);
        const ssize_t m = readChunk(second, otherChunk, sizeof otherChunk);
        if (n < 0 || m < 0)
            result = -1;
        else if (n != m || std::memcmp(copyChunk, otherChunk, static_cast<size_t>(n)) != 0)
            result = 0;
        else if (n == 0)
            break;
    }
    if (first >= 0) close(first);
    if (second >= 0) close(second);
    return result;
}

void posixListFiles(const char* prefix, void (*each)(const char* name, void* context), void* context)
{
    DIR* folder = opendir(".");
    if (folder == nullptr) return;
    const size_t prefixLength = std::strlen(prefix);
    while (const dirent* entry = readdir(folder))
        if (strncasecmp(entry->d_name, prefix, prefixLength) == 0) each(entry->d_name, context);
    closedir(folder);
}

FileStamp posixFileStamp(const char* path)
{
    struct stat info;
    if (stat(path, &info) != 0) return {false, 0, 0};
    return {true, static_cast<int64_t>(info.st_size),
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void posixShowErrorBox(OwnerWindow, const char* text, const char* caption)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

LocalDate posixLocalDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday};
}

ScreenSize posixPrimaryScreen() { return kStandInScreen; }

// One monitor: the stand-in screen.
bool posixWithinOneMonitor(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return left >= 0 && top >= 0 && right <= kStandInScreen.width && bottom <= kStandInScreen.height;
}

bool convertersOpen()
{
    if (toCp932 == kNoConverter) toCp932 = iconv_open("CP932", "UTF-16LE");
    if (fromCp932 == kNoConverter) fromCp932 = iconv_open("UTF-16LE", "CP932");
    return toCp932 != kNoConverter && fromCp932 != kNoConverter;
}

// Converts all of in, or fails; *outLength is the room before and the
// length after.
bool convertWhole(iconv_t converter, const char* in, size_t inLength, char* out, size_t* outLength)
{
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* from = const_cast<char*>(in);
    char* to = out;
    size_t room = *outLength;
    if (iconv(converter, &from, &inLength, &to, &room) == static_cast<size_t>(-1) || inLength != 0) return false;
    *outLength -= room;
    return true;
}

// The CP932 form of one unit, in bytes (1 or 2), or 0 when it has none that
// reads back as the same unit. glibc also maps some characters one way only
// (U+00A5 to the backslash, for one); Windows, without best fit, does not.
int cp932Form(char16_t unit, char* form)
{
    if (unit < 0x80) {
        form[0] = static_cast<char>(unit);
        return 1;
    }
    for (const WindowsOnlyByte& only : kWindowsOnlyBytes) {
        if (only.unit != unit) continue;
        form[0] = only.byte;
        return 1;
    }
    if (!convertersOpen()) return 0;
    const char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    size_t formLength = kCharFormSize;
    if (!convertWhole(toCp932, in, sizeof in, form, &formLength)) return 0;
    char back[kCharFormSize];
    size_t backLength = sizeof back;
    if (!convertWhole(fromCp932, form, formLength, back, &backLength) || backLength != sizeof in
        || std::memcmp(back, in, sizeof in) != 0)
        return 0;
    return static_cast<int>(formLength);
}

int posixUtf16ToCp932(const char16_t* text, int units, char* out, int outSize, bool* lossy)
{
    *lossy = false;
    int at = 0;
    for (int i = 0; i < units; ++i) {
        char form[kCharFormSize];
        int length = cp932Form(windowsFormOf(text[i]), form);
        if (length == 0) {
            form[0] = '?';
            length = 1;
            *lossy = true;
        }
        if (at + length > outSize) return 0;
        std::memcpy(out + at, form, static_cast<size_t>(length));
        at += length;
    }
    return at;
}

}  // namespace

constexpr SettingsPlatform kSystemSettingsPlatform = {
    posixReadFile,
    posixWriteFileDurably,
    posixRemoveFile,
    posixReplaceFile,
    posixRenameNoReplace,
    posixSameBytes,
    posixListFiles,
    posixFileStamp,
    posixShowErrorBox,
    posixLocalDate,
    posixPrimaryScreen,
    posixWithinOneMonitor,
    posixUtf16ToCp932,
};

SettingsPlatform settingsPlatform = kSystemSettingsPlatform;
