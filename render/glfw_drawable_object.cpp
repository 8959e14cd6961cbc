#include "glfw_drawable_object.h"

#include "camera.h"
#include "gpu_mesh.h"
#include "mesh_data.h"
#include "program_registry.h"

GLFWDrawableObject::GLFWDrawableObject(RenderEnvironment* renderEnvironment, Camera* sharedCamera,
                                       ProgramRegistry* programRegistry, const char* name, int modelId,
                                       int materialId, float scale)
    : environment(renderEnvironment),
      registry(programRegistry),
      mesh(std::make_unique<MeshData>(modelId, materialId, scale)),
      gpuMesh(std::make_unique<GpuMesh>(programRegistry)),
      camera(sharedCamera),
      programName(name),
      model(translation(0.0f, 0.0f, 0.0f)) {
    gpuMesh->setVertexData(static_cast<int>(mesh->vertexDataBytes()), mesh->vertexData(), mesh->floatsPerVertex());
    gpuMesh->setIndexData(static_cast<int>(mesh->indexDataBytes()), mesh->indexData(), mesh->indexCount());
}

GLFWDrawableObject::~GLFWDrawableObject() = default;

void GLFWDrawableObject::prepare() {
    bindAttributes();
    gpuMesh->upload();
}

void GLFWDrawableObject::setModelMatrix(Float4x4 matrix) { model = matrix; }

void GLFWDrawableObject::draw() {
    registry->use(programName);
    beforeDraw();
    setMatrixUniforms();
    setUniforms();
    gpuMesh->bind();
    glDrawElements(GL_TRIANGLES, gpuMesh->indexCount(), GL_UNSIGNED_INT, nullptr);
}

void GLFWDrawableObject::setMatrixUniforms() {
    const Float4x4 view = camera->view();
    const Float4x4 projection = camera->projection();
    const Float4x4 worldProjection = projection * view;
    const Float4x4 modelProjection = worldProjection * model;
    glUniformMatrix4fv(uniformLocation("model_world"), 1, GL_FALSE, model.data());
    glUniformMatrix4fv(uniformLocation("world_projection"), 1, GL_FALSE, worldProjection.data());
    glUniformMatrix4fv(uniformLocation("model_projection"), 1, GL_FALSE, modelProjection.data());
}

GLint GLFWDrawableObject::uniformLocation(const char* name) const {
    GLFWProgram* program = registry->get(programName);
    return program != nullptr ? program->uniformLocation(name) : -1;
}
