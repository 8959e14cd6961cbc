#include "math.h"

#include <cmath>

namespace {

constexpr float Float2::* kFloat2Components[] = {&Float2::x, &Float2::y};
constexpr float Float3::* kFloat3Components[] = {&Float3::x, &Float3::y, &Float3::z};
constexpr float Float4::* kFloat4Components[] = {&Float4::x, &Float4::y, &Float4::z, &Float4::w};

}  // namespace

float& Float2::operator[](int i) { return this->*kFloat2Components[i]; }
float Float2::operator[](int i) const { return this->*kFloat2Components[i]; }
float& Float3::operator[](int i) { return this->*kFloat3Components[i]; }
float Float3::operator[](int i) const { return this->*kFloat3Components[i]; }
float& Float4::operator[](int i) { return this->*kFloat4Components[i]; }
float Float4::operator[](int i) const { return this->*kFloat4Components[i]; }

Float4x4::Float4x4(float scalar) {
    for (Float4& column : columns) column = {scalar, scalar, scalar, scalar};
}

Float4x4::Float4x4(Float4 c0, Float4 c1, Float4 c2, Float4 c3) : columns{c0, c1, c2, c3} {}

float radians(float degrees) { return degrees * 0.017453292f; }

Float4x4 perspective(float fovy, float aspect, float nearPlane, float farPlane) {
    const float e = static_cast<float>(std::tan(static_cast<double>(radians(0.5f * fovy))));
    const float g = 1.0f / e;
    const float depth = nearPlane - farPlane;
    const float depthScale = depth == 0.0f ? 0.0f : (nearPlane + farPlane) / depth;
    const float depthOffset = depth == 0.0f ? 0.0f : (2.0f * nearPlane * farPlane) / depth;
    return Float4x4({g / aspect, 0, 0, 0}, {0, g, 0, 0}, {0, 0, depthScale, -1}, {0, 0, depthOffset, 0});
}

Float4x4 translation(float x, float y, float z) {
    return Float4x4({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1});
}

Float4x4 translation(Float3 offset) { return translation(offset[0], offset[1], offset[2]); }

Float4x4 lookAt(Float3 eye, Float3 target, Float3 up) {
    const Float3 f = normalize(target - eye);
    const Float3 u0 = normalize(up);
    const Float3 s = cross(f, u0);
    const Float3 u = cross(s, f);
    const Float4x4 rotation({s.x, u.x, -f.x, 0}, {s.y, u.y, -f.y, 0}, {s.z, u.z, -f.z, 0}, {0, 0, 0, 1});
    return rotation * translation(-eye);
}

Float4x4 operator*(const Float4x4& a, const Float4x4& b) {
    Float4x4 result(0.0f);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            for (int k = 0; k < 4; ++k) result[i][j] += a[k][j] * b[i][k];
        }
    }
    return result;
}

Float3 cross(Float3 a, Float3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float length(Float3 v) {
    const float squares = v.x * v.x + v.y * v.y + v.z * v.z;
    return static_cast<float>(std::sqrt(static_cast<double>(squares)));
}

Float3 normalize(Float3 v) {
    const float squares = v.x * v.x + v.y * v.y + v.z * v.z;
    if (std::isnormal(squares) && std::isfinite(squares)) return v / length(v);
    // The float sum of squares under- or overflowed, or v is zero or not
    // finite: measure in double, where no finite float overflows.
    const double size = std::sqrt(static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y +
                                  static_cast<double>(v.z) * v.z);
    if (!(size > 0.0) || !std::isfinite(size)) return {0, 0, 0};
    return {static_cast<float>(v.x / size), static_cast<float>(v.y / size), static_cast<float>(v.z / size)};
}

bool isFinite(Float3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

Float3 operator+(Float3 a, Float3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Float3 operator-(Float3 a, Float3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Float2 operator-(Float2 a, Float2 b) { return {a.x - b.x, a.y - b.y}; }
Float3 operator-(Float3 v) { return {-v.x, -v.y, -v.z}; }
Float3 operator*(Float3 v, float s) { return {v.x * s, v.y * s, v.z * s}; }
Float3 operator/(Float3 v, float s) { return {v.x / s, v.y / s, v.z / s}; }
