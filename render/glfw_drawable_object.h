#pragma once

#include <memory>

#include "gl_api.h"
#include "math.h"

class Camera;
class GpuMesh;
class MeshData;
class ProgramRegistry;
class RenderEnvironment;

// One model drawn with one named program and the shared camera and
// environment, in one indexed draw per frame. Kinds of drawable differ in
// the three virtual operations.
class GLFWDrawableObject {
public:
    // Builds the mesh from the OBJ and MTL resources and hands its arrays to
    // the GPU mesh; nothing is uploaded yet. `programName` is not copied.
    GLFWDrawableObject(RenderEnvironment* environment, Camera* camera, ProgramRegistry* registry,
                       const char* programName, int modelId, int materialId, float scale);
    GLFWDrawableObject(const GLFWDrawableObject&) = delete;
    GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

    // Declares the attributes and uploads the mesh; the program must be registered.
    void prepare();
    // The model matrix is the identity until the first call.
    void setModelMatrix(Float4x4 matrix);
    void draw();
    void setMatrixUniforms();

protected:
    // Never destroyed through a pointer to the base.
    ~GLFWDrawableObject();

    virtual void bindAttributes() = 0;
    virtual void setUniforms() = 0;
    virtual void beforeDraw() = 0;

    // -1 when the program is not registered or has no such active uniform.
    GLint uniformLocation(const char* name) const;

    RenderEnvironment* environment;
    ProgramRegistry* registry;
    std::unique_ptr<MeshData> mesh;
    std::unique_ptr<GpuMesh> gpuMesh;
    Camera* camera;
    const char* programName;
    Float4x4 model;
};
