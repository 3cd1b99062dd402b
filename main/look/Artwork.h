// The program's pictures, all drawn in code with QPainter from one palette:
// a graphite and blue frame with the four process inks and the visible
// spectrum as accents.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace Palette {
inline const QColor Graphite{0x26, 0x30, 0x3B};
inline const QColor GraphiteLight{0x3C, 0x4A, 0x59};
inline const QColor Blue{0x00, 0x83, 0xD5};       // the title colour
inline const QColor Cyan{0x00, 0x9F, 0xE3};
inline const QColor Magenta{0xE5, 0x00, 0x7D};
inline const QColor Yellow{0xFF, 0xE1, 0x00};
inline const QColor Black{0x23, 0x23, 0x23};
inline const QColor Paper{0xFB, 0xFA, 0xF6};
inline const QColor Frame{0xEE, 0xEE, 0xEE};      // window background
inline const QColor Red{0xE4, 0x14, 0x1A};
} // namespace Palette

QPixmap BannerPixmap();                     // 590 x 45, caption panel
QPixmap LogoPixmap();                       // 130 x 40, "Kelvora" wordmark with colour wheel
QPixmap ButtonPicture(const QString& name); // "calibrate", "paper", "exit": 28 x 28; unknown name: empty 28 x 28
QPixmap AboutPicture();                     // 596 x 440
QPixmap InfoPicture();                      // 596 x 440, opening screen
QPixmap TileBackground();                   // 64 x 64 tile of the setup pages
QPixmap TileBackground(const QColor& ground, const QColor& dot);
QColor TileGroundDefault();
QColor TileDotDefault();
QPixmap DialogBanner();                     // 413 x 32, caption bar of the dialogs
QPixmap CalibrationIcon();                  // 53 x 50
QPixmap PaperIcon();                        // 53 x 50

// Size of the button pictures.
inline constexpr int ButtonPictureSize = 28;
