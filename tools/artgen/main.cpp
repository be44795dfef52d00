// Writes the board pictures and the application icon into a folder:
//   artgen <folder>   ->  <folder>/board.bmp, board-125.bmp ... board-200.bmp,
//                         <folder>/notavex.ico
#include <cstdio>
#include <cstring>

#include "tools/artgen/artwork_files.h"

namespace {

constexpr int kPathSize = 1024;

int writeFile(const char* folder, const char* name, const unsigned char* bytes, int size)
{
    char path[kPathSize];
    if (std::snprintf(path, sizeof path, "%s/%s", folder, name) >= kPathSize) {
        std::fprintf(stderr, "artgen: path too long: %s/%s\n", folder, name);
        return -1;
    }
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "artgen: cannot create %s\n", path);
        return -1;
    }
    const bool written = std::fwrite(bytes, 1, size, file) == static_cast<size_t>(size);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path);
        return -1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    static unsigned char board[kLargestBoardFileBytes];
    for (int step = 0; step < kPictureSteps; ++step) {
        const int size = makeBoardFile(step, board);
        if (size != boardFileBytes(step)) {
            std::fprintf(stderr, "artgen: encoding %s failed\n", kBoardFileNames[step]);
            return 1;
        }
        if (writeFile(argv[1], kBoardFileNames[step], board, size) != 0) return 1;
    }
    static unsigned char icon[kIconFileBytes];
    if (makeIconFile(icon) != kIconFileBytes) {
        std::fprintf(stderr, "artgen: encoding %s failed\n", kIconFileName);
        return 1;
    }
    return writeFile(argv[1], kIconFileName, icon, kIconFileBytes) != 0 ? 1 : 0;
}
