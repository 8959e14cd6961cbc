#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "gl_api.h"

class GLFWProgram;
class ProgramRegistry;

// A vertex buffer and an index buffer with a vertex layout declared by the
// shader's attribute names. Uses the context's default vertex array state.
class GpuMesh {
public:
    explicit GpuMesh(ProgramRegistry* registry);

    // The arrays are not copied until `upload`; they must outlive the mesh.
    void setVertexData(int byteSize, const float* data, int floatsPerVertex);
    void setIndexData(int byteSize, const std::uint32_t* data, int count);

    // A name that is already declared keeps its first values. A program name
    // that was never registered declares nothing.
    void addAttribute(const char* programName, const char* attributeName, int components, int offset);
    void addAttribute(GLFWProgram* program, const char* attributeName, int components, int offset);

    void upload();
    void bind();
    void bindBuffers();
    void enableAttributes();
    int indexCount() const;

private:
    ProgramRegistry* registry;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    const float* vertexData = nullptr;
    int vertexBytes = 0;
    int floatsPerVertex = 0;
    std::map<std::string, GLint> attributeLocations;
    std::map<std::string, int> attributeComponents;
    std::map<std::string, int> attributeOffsets;
    const std::uint32_t* indexData = nullptr;
    int indexBytes = 0;
    int indicesToDraw = 0;
};
