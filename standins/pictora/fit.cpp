// The aspect-kept fit of a picture in a box: centred, never enlarged. Every
// real-to-integer step rounds to the nearest integer, halves to even.
#include "library.h"

#include <math.h>

static int RoundEven(double v)
{
    return (int)nearbyint(v); // the default rounding mode is to nearest, ties to even
}

void FitInBox(int width, int height, int boxWidth, int boxHeight, int *x, int *y, int *fitWidth,
              int *fitHeight)
{
    int fw = 0, fh = 0, left = 0, top = 0;
    if (width > 0 && height > 0 && boxWidth > 0 && boxHeight > 0) {
        if (width <= boxWidth && height <= boxHeight) {
            fw = width;
            fh = height;
        } else if ((long long)width * boxHeight >= (long long)height * boxWidth) {
            // the width is the tighter bound: the whole box width, height in proportion
            fw = boxWidth;
            fh = RoundEven((double)height * boxWidth / width);
        } else {
            fh = boxHeight;
            fw = RoundEven((double)width * boxHeight / height);
        }
        if (fw < 1) fw = 1; // a sliver of a picture still keeps one pixel
        if (fh < 1) fh = 1;
        left = RoundEven((boxWidth - fw) / 2.0);
        top = RoundEven((boxHeight - fh) / 2.0);
    }
    if (x) *x = left;
    if (y) *y = top;
    if (fitWidth) *fitWidth = fw;
    if (fitHeight) *fitHeight = fh;
}

extern "C" int WINAPI ZI_Iconise(int width, int height, int boxWidth, int boxHeight, int *x, int *y,
                                 int *fitWidth, int *fitHeight)
{
    int fw = 0;
    FitInBox(width, height, boxWidth, boxHeight, x, y, &fw, fitHeight);
    if (fitWidth) *fitWidth = fw;
    return fw != 0;
}
