#include "camera.h"

#include <cmath>

namespace {

bool isViewSlot(int slot) { return slot >= 0 && slot < Camera::kViewSlots; }

}  // namespace

Camera::Camera(float x, float y, float z)
    : eye{x, y, z}, direction{0, 0, -1}, right{1, 0, 0}, up{0, 1, 0} {
    target = eye + direction;
}

void Camera::pitch(float degrees) {
    const double angle = radians(degrees);
    const float s = static_cast<float>(std::sin(angle));
    const float c = static_cast<float>(std::cos(angle));
    direction = direction * c + up * s;
    up = cross(right, direction);
    target = eye + direction;
}

void Camera::updateView(int slot) {
    if (!isViewSlot(slot)) return;
    views[slot] = lookAt(eye, target, up);
    activeView = slot;
}

void Camera::selectView(int slot) {
    if (isViewSlot(slot)) activeView = slot;
}

void Camera::setProjection(const Float4x4& matrix) { projectionMatrix = matrix; }

Float4x4 Camera::view() const { return views[activeView]; }

Float4x4 Camera::projection() const { return projectionMatrix; }
