#include "mesh_attribute_arrays.h"

#include "math.h"

namespace {

Float3 toFloat3(objl::Vector3 v) { return {v.x, v.y, v.z}; }

void put(std::vector<float>& array, std::size_t vertex, Float3 value) {
    for (int i = 0; i < 3; ++i) array[vertex * 3 + i] = value[i];
}

Float3 get3(const std::vector<float>& array, std::size_t vertex) {
    return {array[vertex * 3], array[vertex * 3 + 1], array[vertex * 3 + 2]};
}

Float2 get2(const std::vector<float>& array, std::size_t vertex) { return {array[vertex * 2], array[vertex * 2 + 1]}; }

// normalize(v * r), whose direction is v's turned by the sign of r; when
// v * r leaves the float range, the direction is taken from v alone.
Float3 unitAlong(Float3 v, float r) {
    const Float3 scaled = v * r;
    if (isFinite(scaled)) return normalize(scaled);
    return normalize(r < 0 ? -v : v);
}

}  // namespace

MeshAttributeArrays::MeshAttributeArrays(const std::vector<objl::Mesh>& meshes, float scale) : scale(scale) {
    build(meshes);
}

// Every array starts zeroed, so a vertex that no triangle uses keeps a zero
// tangent and bitangent.
void MeshAttributeArrays::build(const std::vector<objl::Mesh>& meshes) {
    for (const objl::Mesh& mesh : meshes) {
        vertexTotal += static_cast<int>(mesh.vertices.size());
        indexTotal += static_cast<int>(mesh.indices.size());
    }
    const std::size_t vertexCount = static_cast<std::size_t>(vertexTotal);
    positions.assign(vertexCount * 3, 0.0f);
    texCoords.assign(vertexCount * 2, 0.0f);
    normals.assign(vertexCount * 3, 0.0f);
    tangents.assign(vertexCount * 3, 0.0f);
    bitangents.assign(vertexCount * 3, 0.0f);
    ambientColors.assign(vertexCount * 3, 0.0f);
    diffuseColors.assign(vertexCount * 3, 0.0f);
    specularTerms.assign(vertexCount * 4, 0.0f);
    indices.assign(static_cast<std::size_t>(indexTotal), 0);

    std::size_t vertexBase = 0;
    std::size_t indexBase = 0;
    for (const objl::Mesh& mesh : meshes) {
        const objl::Material& material = mesh.material;
        for (std::size_t j = 0; j < mesh.vertices.size(); ++j) {
            const objl::Vertex& vertex = mesh.vertices[j];
            const std::size_t at = vertexBase + j;
            put(normals, at, normalize(toFloat3(vertex.normal)));
            put(positions, at, toFloat3(vertex.position) * scale);
            texCoords[at * 2] = vertex.texCoord.x;
            texCoords[at * 2 + 1] = vertex.texCoord.y;
            put(ambientColors, at, toFloat3(material.ambient));
            put(diffuseColors, at, toFloat3(material.diffuse));
            const Float3 specular = toFloat3(material.specular);
            for (int i = 0; i < 3; ++i) specularTerms[at * 4 + i] = specular[i];
            specularTerms[at * 4 + 3] = material.specularExponent;
        }
        for (std::size_t k = 0; k < mesh.indices.size(); ++k) {
            indices[indexBase + k] = static_cast<std::uint32_t>(vertexBase + mesh.indices[k]);
        }
        vertexBase += mesh.vertices.size();
        indexBase += mesh.indices.size();
    }
    computeTangents();
}

// One tangent frame per triangle, written to its three vertices; a vertex
// shared by several triangles keeps the last one. A triangle whose texture
// coordinates span no area has no tangent frame: both vectors stay zero.
void MeshAttributeArrays::computeTangents() {
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        const std::uint32_t i0 = indices[i];
        const std::uint32_t i1 = indices[i + 1];
        const std::uint32_t i2 = indices[i + 2];
        const Float3 e1 = get3(positions, i1) - get3(positions, i0);
        const Float3 e2 = get3(positions, i2) - get3(positions, i0);
        const Float2 d1 = get2(texCoords, i1) - get2(texCoords, i0);
        const Float2 d2 = get2(texCoords, i2) - get2(texCoords, i0);
        const float area = d1.x * d2.y - d2.x * d1.y;
        Float3 tangent;
        Float3 bitangent;
        if (area != 0) {
            const float r = 1 / area;
            tangent = unitAlong(e1 * d2.y - e2 * d1.y, r);
            bitangent = unitAlong(e2 * d1.x - e1 * d2.x, r);
        }
        for (const std::uint32_t corner : {i0, i1, i2}) {
            put(tangents, corner, tangent);
            put(bitangents, corner, bitangent);
        }
    }
}
