// An in-memory stand-in for the platform seam: files in a map, and switches
// that make an open, a read, a write, a flush, a replace or a rename fail.
#pragma once

#include "settings_file/platform.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct FakeFile {
    std::string bytes;
    bool readOnly = false;  // read, never written, replaced or removed
    bool locked = false;    // held open elsewhere: nothing can open or remove it
    int64_t time = 0;       // last written, from the fake's clock
};

enum class WriteFault { none, create, write, flush };

struct ShownBox {
    OwnerWindow owner;
    std::string text;
    std::string caption;
};

struct MonitorRect {
    int32_t left, top, right, bottom;
};

struct FakePlatform {
    std::map<std::string, FakeFile> files;
    bool failOpen = false;   // an existing file cannot be opened
    bool shortRead = false;  // the read returns one byte less than the size
    WriteFault writeFault = WriteFault::none;
    bool failReplace = false;
    std::function<void()> beforeReplace;  // another program's save, just before the replace
    bool failRename = false;              // renames that never replace fail
    std::vector<ShownBox> boxes;
    LocalDate date = {2008, 3, 14, 5};
    ScreenSize screen = {1024, 768, 96, {3, 3}};
    std::vector<MonitorRect> monitors = {{0, 0, 1024, 768}};
    int64_t clock = 1;  // ticks at every write
};

extern FakePlatform fake;

// What another program does: writes path with new bytes, at a new time.
void writeOutside(const char* path, const std::string& bytes);

// Resets fake and points settingsPlatform at it.
void installFakePlatform();
// Puts the system's seam back.
void removeFakePlatform();
