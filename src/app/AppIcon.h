#pragma once
// The tool's icon, drawn rather than loaded so the program needs no image files beside it.

#include <QIcon>
#include <QPixmap>

namespace morvik {

// The icon at the sizes a window uses (16 to 64 pixels).
QIcon AppIcon();
// The icon drawn at one size (scripts/make_icon.sh also draws the Windows programs' icon file).
QPixmap AppIconPixmap(int size);

}  // namespace morvik
