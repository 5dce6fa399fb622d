#pragma once
// The tool's icon, drawn rather than loaded so the program needs no image files beside it.

#include <QIcon>

namespace morvik {

QIcon AppIcon();

}  // namespace morvik
