// One array per vertex attribute of a loaded model, with unit normals and
// per-triangle tangents and bitangents.
#pragma once

#include <cstdint>
#include <vector>

#include "obj_records.h"

class MeshAttributeArrays {
public:
    // Loads the model from its resources; a model that does not load shows
    // "Failed to load mesh" and ends the process with exit code 0.
    MeshAttributeArrays(int objId, int mtlId, float scale);
    MeshAttributeArrays(const std::vector<objl::Mesh>& meshes, float scale);

    int vertexCount() const { return vertexTotal; }
    int indexCount() const { return indexTotal; }

    std::vector<float> positions;      // 3 per vertex
    std::vector<float> texCoords;      // 2 per vertex
    std::vector<float> normals;        // 3 per vertex
    std::vector<float> tangents;       // 3 per vertex
    std::vector<float> bitangents;     // 3 per vertex
    std::vector<float> ambientColors;  // 3 per vertex
    std::vector<float> diffuseColors;  // 3 per vertex
    std::vector<float> specularTerms;  // 4 per vertex: colour, then exponent
    std::vector<std::uint32_t> indices;
    float scale;

private:
    void build(const std::vector<objl::Mesh>& meshes);
    void computeTangents();

    int vertexTotal = 0;
    int indexTotal = 0;
};
