// A loaded model as the GPU mesh takes it: interleaved 24-float vertex
// records and 32-bit triangle indices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "mesh_attribute_arrays.h"

class MeshData {
public:
    static constexpr int kFloatsPerVertex = 24;
    static constexpr int positionOffset = 0;
    static constexpr int texCoordOffset = 3;
    static constexpr int normalOffset = 5;
    static constexpr int tangentOffset = 8;
    static constexpr int bitangentOffset = 11;
    static constexpr int ambientOffset = 14;
    static constexpr int diffuseOffset = 17;
    // Four floats: specular colour, then exponent.
    static constexpr int specularOffset = 20;

    // A model that does not load shows "Failed to load mesh" and ends the
    // process with exit code 0.
    MeshData(int objId, int mtlId, float scale);
    explicit MeshData(std::unique_ptr<MeshAttributeArrays> arrays);

    const float* vertexData() const { return vertices.data(); }
    int floatsPerVertex() const { return kFloatsPerVertex; }
    std::size_t vertexDataBytes() const { return vertices.size() * sizeof(float); }
    const std::uint32_t* indexData() const { return arrays->indices.data(); }
    std::size_t indexDataBytes() const { return arrays->indices.size() * sizeof(std::uint32_t); }
    int indexCount() const { return arrays->indexCount(); }
    int vertexCount() const { return arrays->vertexCount(); }

private:
    void interleave();

    std::vector<float> vertices;
    std::unique_ptr<MeshAttributeArrays> arrays;
};
