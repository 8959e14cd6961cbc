#include "gpu_mesh.h"

#include "program_registry.h"

namespace {

constexpr int kBytesPerFloat = 4;

}  // namespace

GpuMesh::GpuMesh(ProgramRegistry* programRegistry) : registry(programRegistry) {
    glGenBuffers(1, &vertexBuffer);
    glGenBuffers(1, &indexBuffer);
}

void GpuMesh::setVertexData(int byteSize, const float* data, int floats) {
    vertexData = data;
    vertexBytes = byteSize;
    floatsPerVertex = floats;
}

void GpuMesh::setIndexData(int byteSize, const std::uint32_t* data, int count) {
    indexData = data;
    indexBytes = byteSize;
    indicesToDraw = count;
}

void GpuMesh::addAttribute(const char* programName, const char* attributeName, int components, int offset) {
    if (GLFWProgram* program = registry->get(programName)) addAttribute(program, attributeName, components, offset);
}

void GpuMesh::addAttribute(GLFWProgram* program, const char* attributeName, int components, int offset) {
    const GLint location = program->attributeLocation(attributeName);
    attributeLocations.emplace(attributeName, location);
    attributeComponents.emplace(attributeName, components);
    attributeOffsets.emplace(attributeName, offset);
}

void GpuMesh::upload() {
    bind();
    glBufferData(GL_ARRAY_BUFFER, vertexBytes, vertexData, GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexBytes, indexData, GL_STATIC_DRAW);
}

void GpuMesh::bind() {
    bindBuffers();
    enableAttributes();
}

void GpuMesh::bindBuffers() {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
}

// Every bind re-specifies the layout: there is no vertex array object.
void GpuMesh::enableAttributes() {
    for (const auto& [name, location] : attributeLocations) {
        const int components = attributeComponents.at(name);
        const auto byteOffset = static_cast<std::intptr_t>(attributeOffsets.at(name)) * kBytesPerFloat;
        glEnableVertexAttribArray(static_cast<GLuint>(location));
        glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE,
                              floatsPerVertex * kBytesPerFloat, reinterpret_cast<const void*>(byteOffset));
    }
}

int GpuMesh::indexCount() const { return indicesToDraw; }
