// TTiledPage: paints the halftone tile over the whole page.
#include "TiledPage.h"

#include "Artwork.h"

#include <QPaintEvent>
#include <QPainter>

TTiledPage::TTiledPage(QWidget* parent)
    : QWidget(parent), Ground(TileGroundDefault()), Dot(TileDotDefault()), Tile(TileBackground())
{
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TTiledPage::SetTileGround(const QColor& colour)
{
    if (colour == Ground)
        return;
    Ground = colour;
    Tile = TileBackground(Ground, Dot);
    update();
}

void TTiledPage::SetTileDot(const QColor& colour)
{
    if (colour == Dot)
        return;
    Dot = colour;
    Tile = TileBackground(Ground, Dot);
    update();
}

void TTiledPage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawTiledPixmap(event->rect(), Tile, event->rect().topLeft());
}
