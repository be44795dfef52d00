// The board picture: a chalkboard with rounded corners, an olive frame,
// chalk labels for the two days and the date, and a ledge with a yellow block.
#pragma once

constexpr int kBoardWidth = 250;
constexpr int kBoardHeight = 100;

struct BoardPicture {
  unsigned char index[kBoardHeight][kBoardWidth];  // palette index per pixel
};

void drawBoardPicture(BoardPicture& picture);
