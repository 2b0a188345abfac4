// The Layout page's preview picture for an orientation, duplex mode and
// pages-per-sheet code.
#pragma once

namespace psui {

// Portrait is orientation 1 only; duplex 1 one-sided, 2 long edge, anything
// else short edge; booklet (99) has one picture per orientation; a
// pages-per-sheet code without a picture shows the one-page simplex sheet.
int PreviewBitmapId(int orientation, int duplex, int pagesPerSheet);

}  // namespace psui
