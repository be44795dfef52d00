#include "tests/settings_file/fake_platform.h"

#include <cstring>
#include <utility>

FakePlatform fake;

namespace {

FileReadResult fakeReadFile(const char* path, char* buffer, int maxBytes, int* length)
{
    const auto found = fake.files.find(path);
    if (found == fake.files.end()) return FileReadResult::notFound;
    if (fake.failOpen || found->second.locked) return FileReadResult::openFailed;
    const std::string& bytes = found->second.bytes;
    if (static_cast<int>(bytes.size()) > maxBytes) return FileReadResult::tooLarge;
    if (fake.shortRead) {
        // What did arrive still lands in the buffer.
        if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size() - 1);
        return FileReadResult::readFailed;
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    *length = static_cast<int>(bytes.size());
    return FileReadResult::ok;
}

bool writable(const char* path)
{
    const auto found = fake.files.find(path);
    return found == fake.files.end() || (!found->second.readOnly && !found->second.locked);
}

FileWriteResult fakeWriteFileDurably(const char* path, const char* data, int length)
{
    if (fake.writeFault == WriteFault::create || !writable(path)) return FileWriteResult::openFailed;
    FakeFile& file = fake.files[path];
    file = FakeFile{};
    file.time = ++fake.clock;
    if (fake.writeFault == WriteFault::write) {
        file.bytes.assign(data, static_cast<size_t>(length / 2));  // a short write
        return FileWriteResult::writeFailed;
    }
    file.bytes.assign(data, static_cast<size_t>(length));
    return fake.writeFault == WriteFault::flush ? FileWriteResult::writeFailed : FileWriteResult::ok;
}

int fakeRemoveFile(const char* path) { return writable(path) && fake.files.erase(path) == 1 ? 0 : -1; }

ReplaceResult fakeReplaceFile(const char* from, const char* to, const char* caught)
{
    if (fake.beforeReplace) std::exchange(fake.beforeReplace, nullptr)();
    const auto source = fake.files.find(from);
    if (fake.failReplace || source == fake.files.end() || !writable(to) || fake.files.count(caught) == 1)
        return ReplaceResult::failed;
    if (fake.files.count(to) == 0) return ReplaceResult::noTarget;
    fake.files[caught] = fake.files[to];
    fake.files[to] = source->second;
    fake.files.erase(from);
    return ReplaceResult::replaced;
}

int fakeRenameNoReplace(const char* from, const char* to)
{
    const auto source = fake.files.find(from);
    if (fake.failRename || source == fake.files.end() || fake.files.count(to) == 1) return -1;
    FakeFile moved = source->second;
    fake.files.erase(source);
    fake.files[to] = moved;
    return 0;
}

int fakeSameBytes(const char* a, const char* b)
{
    const auto first = fake.files.find(a);
    const auto second = fake.files.find(b);
    if (first == fake.files.end() || second == fake.files.end() || first->second.locked || second->second.locked)
        return -1;
    return first->second.bytes == second->second.bytes ? 1 : 0;
}

void fakeListFiles(const char* prefix, void (*each)(const char* name, void* context), void* context)
{
    const std::string start(prefix);
    for (const auto& file : fake.files)
        if (file.first.compare(0, start.size(), start) == 0) each(file.first.c_str(), context);
}

FileStamp fakeFileStamp(const char* path)
{
    const auto found = fake.files.find(path);
    if (found == fake.files.end()) return {false, 0, 0};
    return {true, static_cast<int64_t>(found->second.bytes.size()), found->second.time};
}

void fakeShowErrorBox(OwnerWindow owner, const char* text, const char* caption)
{
    fake.boxes.push_back({owner, text, caption});
}

LocalDate fakeLocalDate() { return fake.date; }

ScreenSize fakePrimaryScreen() { return fake.screen; }

bool fakeWithinOneMonitor(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    for (const MonitorRect& m : fake.monitors)
        if (left >= m.left && top >= m.top && right <= m.right && bottom <= m.bottom) return true;
    return false;
}

}  // namespace

void writeOutside(const char* path, const std::string& bytes)
{
    FakeFile& file = fake.files[path];
    file.bytes = bytes;
    file.time = ++fake.clock;
}

void installFakePlatform()
{
    fake = FakePlatform{};
    settingsPlatform = {fakeReadFile, fakeWriteFileDurably, fakeRemoveFile, fakeReplaceFile, fakeRenameNoReplace,
        fakeSameBytes, fakeListFiles, fakeFileStamp, fakeShowErrorBox, fakeLocalDate, fakePrimaryScreen,
        fakeWithinOneMonitor, kSystemSettingsPlatform.utf16ToCp932};
}

void removeFakePlatform() { settingsPlatform = kSystemSettingsPlatform; }
