#pragma once
// The frame's place on the screen and its show state, kept in "MainWindow".

struct FramePlacement {
    int x;
    int y;
    int width;
    int height;
    int showState;  // 1 normal, 2 minimised, 3 maximised
};

// The stored placement; what is missing or unusable has its default.
FramePlacement ReadFramePlacement();
