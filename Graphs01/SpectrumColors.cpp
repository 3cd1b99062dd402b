// The colour table of the 10 nm bands.
#include "SpectrumColors.h"

const std::array<TColor, 36> SpectrumColors = {
    TColor::Hex(0x660066), TColor::Hex(0x57007B), TColor::Hex(0x490090), TColor::Hex(0x3B00A5),  // 380 .. 410
    TColor::Hex(0x2D00BB), TColor::Hex(0x1F00D0), TColor::Hex(0x1100E5), TColor::Hex(0x0200FA),  // 420 .. 450
    TColor::Hex(0x0033FF), TColor::Hex(0x0073FF), TColor::Hex(0x00B4FF), TColor::Hex(0x00F4FF),  // 460 .. 490
    TColor::Hex(0x00FFD7), TColor::Hex(0x00FFA8), TColor::Hex(0x00FF78), TColor::Hex(0x00FF49),  // 500 .. 530
    TColor::Hex(0x00FF1A), TColor::Hex(0x1CFF00), TColor::Hex(0x5CFF00), TColor::Hex(0x9DFF00),  // 540 .. 570
    TColor::Hex(0xDDFF00), TColor::Hex(0xFFEC00), TColor::Hex(0xFFC400), TColor::Hex(0xFF9D00),  // 580 .. 610
    TColor::Hex(0xFF7600), TColor::Hex(0xFF4E00), TColor::Hex(0xFF2700), TColor::Hex(0xFF0000),  // 620 .. 650
    TColor::Hex(0xEE0000), TColor::Hex(0xDD0000), TColor::Hex(0xCC0000), TColor::Hex(0xBB0000),  // 660 .. 690
    TColor::Hex(0xAA0000), TColor::Hex(0x990000), TColor::Hex(0x880000), TColor::Hex(0x770000),  // 700 .. 730
};
