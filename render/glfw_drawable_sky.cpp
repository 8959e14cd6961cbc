#include "glfw_drawable_sky.h"

#include "gpu_mesh.h"
#include "mesh_data.h"
#include "render_environment.h"

void GLFWDrawableSky::bindAttributes() {
    gpuMesh->addAttribute(programName, "position", 3, MeshData::positionOffset);
    gpuMesh->addAttribute(programName, "position_tex", 2, MeshData::texCoordOffset);
    gpuMesh->addAttribute(programName, "position_normal", 3, MeshData::normalOffset);
}

void GLFWDrawableSky::setUniforms() {
    glUniform1f(uniformLocation("iTime"), environment->getTime());
    glUniform1f(uniformLocation("viewportWidth"), environment->getViewportWidth());
    glUniform1f(uniformLocation("viewportHeight"), environment->getViewportHeight());
}

void GLFWDrawableSky::beforeDraw() {}
