#include "mesh_data.h"

#include <algorithm>

MeshData::MeshData(std::unique_ptr<MeshAttributeArrays> arrays) : arrays(std::move(arrays)) { interleave(); }

void MeshData::interleave() {
    const auto count = static_cast<std::size_t>(arrays->vertexCount());
    vertices.assign(count * kFloatsPerVertex, 0.0f);
    const auto copy = [&](const std::vector<float>& source, int floats, int offset) {
        for (std::size_t v = 0; v < count; ++v) {
            const auto from = source.begin() + static_cast<std::ptrdiff_t>(v * floats);
            std::copy(from, from + floats, vertices.begin() + static_cast<std::ptrdiff_t>(v * kFloatsPerVertex + offset));
        }
    };
    copy(arrays->positions, 3, positionOffset);
    copy(arrays->texCoords, 2, texCoordOffset);
    copy(arrays->normals, 3, normalOffset);
    copy(arrays->tangents, 3, tangentOffset);
    copy(arrays->bitangents, 3, bitangentOffset);
    copy(arrays->ambientColors, 3, ambientOffset);
    copy(arrays->diffuseColors, 3, diffuseOffset);
    copy(arrays->specularTerms, 4, specularOffset);
}
