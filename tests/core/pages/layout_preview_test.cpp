#include "pages/layout_preview.h"

#include <gtest/gtest.h>

namespace psui {
namespace {

// The picture table written out with its numbers, so that a wrong number in
// resource.h or in the table fails here.
struct Row {
  int orientation;
  int duplex;
  int pictures[8];  // pages 1, 2, 4, 6, 9, 16, 99, and a code without picture
};

constexpr int kPages[8] = {1, 2, 4, 6, 9, 16, 99, 3};
constexpr Row kRows[] = {
    {1, 1, {152, 156, 157, 158, 173, 176, 179, 152}},
    {1, 2, {166, 154, 169, 171, 174, 177, 179, 152}},
    {1, 3, {167, 155, 170, 172, 175, 178, 179, 152}},
    {2, 1, {153, 161, 162, 163, 186, 183, 180, 153}},
    {2, 2, {164, 159, 190, 188, 185, 182, 180, 153}},
    {2, 3, {165, 160, 189, 187, 184, 181, 180, 153}},
};

TEST(LayoutPreview, EveryCombinationHasItsPicture) {
  for (const Row& row : kRows) {
    for (int column = 0; column < 8; ++column) {
      EXPECT_EQ(PreviewBitmapId(row.orientation, row.duplex, kPages[column]), row.pictures[column])
          << "orientation " << row.orientation << ", duplex " << row.duplex << ", pages " << kPages[column];
    }
  }
}

TEST(LayoutPreview, PortraitIsOrientationOneOnlyAndOtherDuplexIsShortEdge) {
  EXPECT_EQ(PreviewBitmapId(270, 1, 2), 161);
  EXPECT_EQ(PreviewBitmapId(0, 2, 4), 190);
  EXPECT_EQ(PreviewBitmapId(1, 0, 4), 170);
  EXPECT_EQ(PreviewBitmapId(1, -1, 1), 167);
  EXPECT_EQ(PreviewBitmapId(2, 7, 99), 180);
  EXPECT_EQ(PreviewBitmapId(1, 3, -1), 152);
}

}  // namespace
}  // namespace psui
