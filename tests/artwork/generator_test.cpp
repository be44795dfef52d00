// The committed pictures are exactly what the generator writes, so that the
// description checked by the other tests and the generator cannot drift.
#include <gtest/gtest.h>

#include "tests/artwork/byte_reader.h"
#include "tools/artgen/artwork_files.h"

namespace {

TEST(ArtworkGenerator, WritesTheCommittedFiles)
{
    static unsigned char board[kLargestBoardFileBytes];
    for (int step = 0; step < kPictureSteps; ++step) {
        const int size = makeBoardFile(step, board);
        ASSERT_EQ(size, boardFileBytes(step));
        EXPECT_EQ(readWholeFile(resourcePath(kBoardFileNames[step])), Bytes(board, board + size))
            << "resources/" << kBoardFileNames[step] << " is stale: build the target artwork";
    }
    static unsigned char icon[kIconFileBytes];
    ASSERT_EQ(makeIconFile(icon), kIconFileBytes);
    EXPECT_EQ(readWholeFile(resourcePath(kIconFileName)), Bytes(icon, icon + kIconFileBytes))
        << "resources/notavex.ico is stale: build the target artwork";
}

}  // namespace
