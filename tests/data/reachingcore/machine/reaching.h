#pragma once
// A rules header that reaches past Qt Core in every way the layering check must catch.
#include <QPainter>
#include <QtWidgets/QWidget>
#include <AL/al.h>
#include "ui/machine/zelwindow.h"

#include <QString>
#include <QtCore/QList>
#include <vector>
#include <sys/types.h>
#include "core/machine/zel.h"
