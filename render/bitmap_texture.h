#pragma once

#include "gl_api.h"

// A square GL_RGBA32F texture made from a BITMAP resource, level 0 only,
// sampled bilinearly with repetition.
class BitmapTexture {
public:
    // `size` is the side: a power of two from 1 to 2048. Other sides are
    // clamped to 1..2048 and get floor(log2(side)) levels (at least one).
    // Leaves the texture bound to GL_TEXTURE_2D on unit 0.
    BitmapTexture(int resourceId, int size);

    GLuint textureId() const;

    // Fills width x height RGBA texels with the bitmap's pixels, row 0 being
    // the bitmap's row height - 1 when `bottomUp` is set. Pixels outside the
    // bitmap, or of a missing one, read as opaque black.
    static void readBitmapPixels(float* buffer, int resourceId, int width, int height, bool bottomUp);

    static int textureSide(int requestedSize);
    static int levelCount(int side);

private:
    GLuint texture = 0;
};
