// Vectors and column-major 4 x 4 matrices in 32-bit floats, with the few
// operations the camera, the drawables and the mesh builder need. Angles are
// in degrees; tan, sin, cos and square roots are evaluated in double.
#pragma once

// This header's directory is on include paths, so it may also be found for
// <math.h>: it brings the C library's math in with it.
#include <cmath>

struct Float2 {
    float x = 0;
    float y = 0;

    float& operator[](int i);
    float operator[](int i) const;
};

struct Float3 {
    float x = 0;
    float y = 0;
    float z = 0;

    float& operator[](int i);
    float operator[](int i) const;
};

struct Float4 {
    float x = 0;
    float y = 0;
    float z = 0;
    float w = 0;

    float& operator[](int i);
    float operator[](int i) const;
};

// Four columns; element [c][r] is row r of column c. The 16 floats lie column
// by column, the order a mat4 uniform takes with the transpose flag false.
class Float4x4 {
public:
    Float4x4() = default;
    // Every one of the 16 elements takes the scalar (not a diagonal matrix).
    explicit Float4x4(float scalar);
    Float4x4(Float4 c0, Float4 c1, Float4 c2, Float4 c3);

    Float4& operator[](int column) { return columns[column]; }
    const Float4& operator[](int column) const { return columns[column]; }
    const float* data() const { return &columns[0].x; }

private:
    Float4 columns[4];
};

float radians(float degrees);
// Vertical field of view in degrees; aspect is width / height. When near
// equals far there is no depth range, and every depth maps to 0.
Float4x4 perspective(float fovy, float aspect, float nearPlane, float farPlane);
Float4x4 translation(float x, float y, float z);
Float4x4 translation(Float3 offset);
Float4x4 lookAt(Float3 eye, Float3 target, Float3 up);
Float4x4 operator*(const Float4x4& a, const Float4x4& b);

Float3 cross(Float3 a, Float3 b);
float length(Float3 v);
// The unit vector along v; the zero vector when v is zero or not finite.
Float3 normalize(Float3 v);
bool isFinite(Float3 v);

Float3 operator+(Float3 a, Float3 b);
Float3 operator-(Float3 a, Float3 b);
Float2 operator-(Float2 a, Float2 b);
Float3 operator-(Float3 v);
Float3 operator*(Float3 v, float s);
Float3 operator/(Float3 v, float s);
