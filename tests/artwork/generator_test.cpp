// The committed pictures are exactly what the generator writes, so that the
// description checked by the other tests and the generator cannot drift.
#include <gtest/gtest.h>

#include "tests/artwork/byte_reader.h"
#include "tools/artgen/artwork_files.h"

namespace {

TEST(ArtworkGenerator, WritesTheCommittedFiles)
{
    static unsigned char board[kBoardFileBytes];
    static unsigned char icon[kIconFileBytes];
    ASSERT_EQ(makeBoardFile(board), kBoardFileBytes);
    ASSERT_EQ(makeIconFile(icon), kIconFileBytes);

    const Bytes committedBoard = readWholeFile(resourcePath("board.bmp"));
    const Bytes committedIcon = readWholeFile(resourcePath("notavex.ico"));
    EXPECT_EQ(committedBoard, Bytes(board, board + kBoardFileBytes))
        << "resources/board.bmp is stale: build the target artwork";
    EXPECT_EQ(committedIcon, Bytes(icon, icon + kIconFileBytes))
        << "resources/notavex.ico is stale: build the target artwork";
}

}  // namespace
