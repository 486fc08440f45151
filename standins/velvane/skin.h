// The skin that skInitEngine loaded: frame insets, colours and caption font,
// shared by every part of the stand-in skin engine.
#pragma once
#include <windows.h>

const int SKIN_FONT_NAME_SIZE = 32;

struct SkinValues {
    int loaded;                // 1 once a skin file was read and accepted
    int insets[4];             // left, top, right, bottom frame widths in pixels
    COLORREF frameColor;       // the frame around the inner area
    COLORREF captionColor;     // the caption band
    COLORREF captionTextColor; // the title
    COLORREF edgeColor;        // the thin outer edge and borders
    COLORREF buttonColor;      // caption buttons
    COLORREF buttonHotColor;   // caption button under the mouse
    COLORREF controlColor;     // background of skinned child controls
    COLORREF controlTextColor; // text of skinned child controls
    char fontName[SKIN_FONT_NAME_SIZE];
    int fontSize; // caption font height in pixels
};

extern SkinValues Skin;

// VELVANE.DLL's own module handle: the instance of its window classes.
HINSTANCE SkinModule();

// The colour key of a skinned main window: its inner area is painted in it
// and shows what lies behind (no skin colour and hardly any picture uses it).
const COLORREF SKIN_SEE_THROUGH = RGB(1, 0, 1);

// Indices into SkinValues::insets.
const int SKIN_LEFT = 0;
const int SKIN_TOP = 1;
const int SKIN_RIGHT = 2;
const int SKIN_BOTTOM = 3;
