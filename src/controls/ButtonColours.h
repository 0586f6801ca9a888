#pragma once

#include <QRgb>

#include <array>

// The colours of one visual state of the push button: eight gradient colours and the frame
// with its hand-set corner pixels.
struct ButtonColours {
    // 0/1 upper body top/bottom, 2/3 lower body top/bottom, 4/5 side columns upper part
    // top/bottom, 6/7 side columns lower part top/bottom.
    std::array<QRgb, 8> gradient;
    // 0 outer frame, 1 top inner line, 20 bottom inner line, 2..19 the corner pixels at
    // `cornerPixel` positions.
    std::array<QRgb, 21> frame;
};

inline constexpr int buttonStateCount = 5;

// States: 0 normal, 1 hover, 2 pressed, 3 focused, 4 disabled. Anything else draws as normal.
const ButtonColours &buttonColours(int state);
