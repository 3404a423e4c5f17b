#pragma once

#include <QIcon>
#include <QPixmap>

namespace korva {

// The program's pictures, drawn at start rather than shipped as files: the
// start-up picture, the window icon and the tile behind the documents.
QPixmap splashPicture();
QIcon programIcon();
QPixmap backgroundTile();

} // namespace korva
