#pragma once
// The parts of the generator, one per family of assets; each writes its files through the writer.
#include <QImage>

#include "assetwriter.h"

namespace zel::art {

void writesymbols(AssetWriter& out);     // symbols/<name>.png and reels/reel1..5.png
void writeimagelists(AssetWriter& out);  // ImageList1, ImageList2
void writecards(AssetWriter& out);       // imagelistcards
void writebuttons(AssetWriter& out);     // faces/*, linepics
void writepanels(AssetWriter& out);      // panels/* but the pay table
void writepaytable(AssetWriter& out);    // panels/zelpays.png
void writeclips(AssetWriter& out);       // clips/*.wav
void writeprogramicons(AssetWriter& out);  // appicon/<size>.png

// The program's icon drawn for one size (16 to 512 pixels square).
QImage programicon(int size);

}  // namespace zel::art
