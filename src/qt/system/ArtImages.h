#pragma once

#include <QCursor>
#include <QIcon>

#include "forms/Layout.h"

namespace ttt {

// A window's icon at the sizes desktops ask for, at the scale given.
QIcon windowIcon(WindowIcon icon, qreal devicePixelRatio);
// The hand over link labels, drawn at the device's resolution, its hot spot on the fingertip.
QCursor handCursor(qreal devicePixelRatio);

}  // namespace ttt
