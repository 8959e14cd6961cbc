// The eye, its orthonormal direction vectors, five view-matrix slots and the
// projection handed to the drawables.
#pragma once

#include "math.h"

class Camera {
public:
    static constexpr int kViewSlots = 5;

    Camera(float x, float y, float z);

    // Turns direction and up about right; a positive angle looks upward.
    void pitch(float degrees);
    // Slots outside 0 to 4 are ignored.
    void updateView(int slot);
    void selectView(int slot);
    void setProjection(const Float4x4& matrix);
    Float4x4 view() const;
    Float4x4 projection() const;

    Float4x4 views[kViewSlots];
    int activeView = 0;
    Float3 eye;
    Float3 target;
    Float3 direction;
    Float3 right;
    Float3 up;
    Float4x4 projectionMatrix;
};
