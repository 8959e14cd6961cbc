#include <cmath>

#include "obj_parser.h"
#include "obj_text.h"

namespace {

bool isFinite(objl::Vector3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// The face normal from the first three corners, not normalised; zero when
// the face has fewer corners or the product leaves the float range.
objl::Vector3 faceNormal(const std::vector<objl::Vertex>& corners) {
    if (corners.size() < 3) return {};
    const objl::Vector3 p1 = corners[1].position;
    const objl::Vector3 normal = cross(corners[0].position - p1, corners[2].position - p1);
    return isFinite(normal) ? normal : objl::Vector3{};
}

}  // namespace

std::optional<std::vector<objl::Vertex>> buildCornerVertices(std::string_view faceLine,
                                                             const std::vector<objl::Vector3>& positions,
                                                             const std::vector<objl::Vector2>& texCoords,
                                                             const std::vector<objl::Vector3>& normals) {
    std::vector<objl::Vertex> corners;
    objl::Vertex vertex;
    bool missingNormal = false;
    for (const std::string& cornerText : splitOn(lineRemainder(faceLine), " ")) {
        const std::vector<std::string> parts = splitOn(cornerText, "/");
        if (parts.empty() || parts.size() > 3) return std::nullopt;

        const std::optional<objl::Vector3> position = objIndexLookup(positions, parts[0]);
        if (!position) return std::nullopt;
        vertex.position = *position;
        vertex.texCoord = {};
        // "p//n" has no texture coordinate; "p/t" and "p/t/n" must name one.
        const bool hasTexCoord = parts.size() == 2 || (parts.size() == 3 && !parts[1].empty());
        if (hasTexCoord) {
            const std::optional<objl::Vector2> texCoord = objIndexLookup(texCoords, parts[1]);
            if (!texCoord) return std::nullopt;
            vertex.texCoord = *texCoord;
        }
        if (parts.size() == 3) {
            const std::optional<objl::Vector3> normal = objIndexLookup(normals, parts[2]);
            if (!normal) return std::nullopt;
            vertex.normal = *normal;
        } else {
            missingNormal = true;
        }
        corners.push_back(vertex);
    }
    if (missingNormal) {
        const objl::Vector3 normal = faceNormal(corners);
        for (objl::Vertex& corner : corners) corner.normal = normal;
    }
    return corners;
}
