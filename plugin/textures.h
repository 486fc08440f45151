// Texture slots: image files turned into OpenGL textures.
#pragma once
#include <vector>

struct TextureFit {
    int width, height;         // texture size from the size ladder
    int drawWidth, drawHeight; // picture scaled into it
    int x, y;                  // where the picture lies, centred
};

void BuildTextures(int first, int count);
void ReleaseTextures(int first, int count);
// Picture pixels bottom-up, red-green-blue-alpha, in a power-of-two texture.
bool LoadImagePixels(const char *path, int *width, int *height, std::vector<unsigned char> &pixels);
// Texture size and placement for a picture of w x h pixels.
TextureFit FitTexture(int w, int h);
// True when the extension (".png", ".JPEG" ...) names a picture type we decode.
bool IsAcceptedImageType(const char *path);
