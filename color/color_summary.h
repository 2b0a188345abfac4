// The names the advanced colour dialog shows for the settings in force, one
// per group of fields, as string-table ids: a pair of values that no name
// stands for is the user's own ("Personale").
#pragma once

namespace psui {

// graphicsHalftone, imageHalftone.
int HalftoneSummaryId(int graphicsHalftone, int imageHalftone);
// graphicsIntent, imageIntent; "no intent" reads "ICM" with the general
// halftone of the ICM configuration, else "Nessuno".
int RgbSourceSummaryId(int graphicsIntent, int imageIntent, int graphicsHalftone);
// graphicsProcessGray, imageProcessGray.
int ProcessGraySummaryId(int graphicsProcessGray, int imageProcessGray);

}  // namespace psui
