#include "color/color_summary.h"

#include <cstddef>

#include "resources/resource.h"

namespace psui {

namespace {

struct PairName {
  int first;
  int second;
  int textId;
};

template <size_t N>
int NameOf(const PairName (&names)[N], int first, int second) {
  for (const PairName& name : names) {
    if (name.first == first && name.second == second) return name.textId;
  }
  return IDS_COLOR_PERSONAL;
}

}  // namespace

int HalftoneSummaryId(int graphicsHalftone, int imageHalftone) {
  static const PairName names[] = {
      {0, 0, IDS_HALFTONE_FINE},
      {1, 1, IDS_HALFTONE_GENERAL},
      {2, 0, IDS_SUMMARY_AUTO},
      {2, 2, IDS_HALFTONE_DETAIL},
  };
  return NameOf(names, graphicsHalftone, imageHalftone);
}

int RgbSourceSummaryId(int graphicsIntent, int imageIntent, int graphicsHalftone) {
  if (graphicsIntent == 0 && imageIntent == 0) {
    return graphicsHalftone == 1 ? IDS_RGB_SOURCE_ICM : IDS_NONE;
  }
  static const PairName names[] = {
      {1, 1, IDS_RGB_SOURCE_CONTRAST}, {2, 3, IDS_SUMMARY_AUTO},
      {2, 2, IDS_RGB_SOURCE_VIVID},    {3, 3, IDS_RGB_SOURCE_SRGB},
      {4, 4, IDS_RGB_SOURCE_SRGB_SATURATED},
  };
  return NameOf(names, graphicsIntent, imageIntent);
}

int ProcessGraySummaryId(int graphicsProcessGray, int imageProcessGray) {
  static const PairName names[] = {
      {0, 0, IDS_GRAY_BLACK_ONLY},
      {0, 1, IDS_SUMMARY_AUTO},
      {1, 1, IDS_GRAY_CMYK},
  };
  return NameOf(names, graphicsProcessGray, imageProcessGray);
}

}  // namespace psui
