#pragma once
// Small steps that bring a widget in line with its record in the form model; each touches the
// widget only when something differs, so a full render of the window stays cheap.
#include <QRect>
#include <QWidget>

#include "core/machine/formmodel.h"

namespace zel {

constexpr double twipsperpixel = 15.0;

// A rectangle given in pixels at scale 1, at the window's scale.
QRect scaledrect(const QRect& pixels, double scale);
// The place of a control given in twips (left, top, width, height), at the window's scale.
QRect twipsrect(const Control& control, double scale);

bool place(QWidget* widget, const QRect& rect);
bool showif(QWidget* widget, bool visible);
bool enableif(QWidget* widget, bool enabled);

}  // namespace zel
