// The image panel: the picture object, its zoom trackbar and its angle.
#pragma once

void LoadPicture(const char *path);
void SetZoomRange(int bitmapWidth, int bitmapHeight, int *fitWidth, int *fitHeight);
void ApplyZoom(int position);
// Nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);
