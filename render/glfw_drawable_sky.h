#pragma once

#include "glfw_drawable_object.h"

// The rectangle that the aurora shader colours.
class GLFWDrawableSky : public GLFWDrawableObject {
public:
    using GLFWDrawableObject::GLFWDrawableObject;

protected:
    void bindAttributes() override;
    void setUniforms() override;
    void beforeDraw() override;
};
