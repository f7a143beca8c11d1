#pragma once
// The twelve reel symbols, each a framed 100 x 100 cell.
#include <QImage>
#include <QPainter>

#include "core/machine/reelstrips.h"

namespace zel::art {

// The finished 100 x 100 picture of a symbol.
QImage symbolpicture(Symbol symbol);

// The drawers behind symbolpicture(); each paints the face of the cell (frame excluded).
void drawletter(QPainter& p, Symbol letter);  // J, K or Q
void drawbadge(QPainter& p);
// The badge's gold star with the shield in front, centred on (50, 53) with a radius of 46.
void drawbadgestar(QPainter& p);
void drawmoney(QPainter& p);
void drawmemorial(QPainter& p);
void drawsign(QPainter& p);
void drawmountain(QPainter& p);
void drawstatue(QPainter& p);
void drawuncle(QPainter& p);
void drawpresident(QPainter& p);
void draweagle(QPainter& p);

// A ribbon banner with a caption across the lower part of a cell (the wild's "WILD").
void drawbanner(QPainter& p, const QRectF& r, const QString& caption, const QColor& colour);

}  // namespace zel::art
