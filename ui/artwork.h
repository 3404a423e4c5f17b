#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace korva {

// The program's pictures, drawn rather than shipped as files: the start-up
// picture, the window icon and the tile behind the documents.  The start-up
// picture is drawn by its window when it paints, so that the main window's
// first paint does not wait for it.
QSize splashPictureSize();
void drawSplashPicture(QPainter& p);
QIcon programIcon();
// Drawn at the screen's own pixels, so that it stays sharp when scaled.
QPixmap backgroundTile(qreal devicePixelRatio);

} // namespace korva
