// TTiledPage: a page whose background is the program's halftone tile (the
// setup pages). Skins recolour the tile through its two properties.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class TTiledPage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor tileGround READ TileGround WRITE SetTileGround)
    Q_PROPERTY(QColor tileDot READ TileDot WRITE SetTileDot)

public:
    explicit TTiledPage(QWidget* parent = nullptr);

    QColor TileGround() const { return Ground; }
    void SetTileGround(const QColor& colour);
    QColor TileDot() const { return Dot; }
    void SetTileDot(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor Ground;
    QColor Dot;
    QPixmap Tile;
};
