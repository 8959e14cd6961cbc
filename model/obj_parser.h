// Reads a Wavefront OBJ model and its MTL materials from "TEXTFILE" resources
// (or from texts in memory) into meshes of corner vertices and triangle
// indices, writing a progress line to standard output while it goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "obj_records.h"

class ObjParser {
public:
    // True when anything was loaded. Malformed input (a number that does not
    // convert, an index outside the values read so far, too few fields)
    // loads nothing and gives false.
    bool loadModel(int objId, int mtlId);
    // Appends the materials of the MTL text; always true.
    bool loadMaterials(int mtlId);

    // The same, on texts in memory; every "mtllib" line reads mtlText.
    bool loadModelText(std::string_view objText, std::string_view mtlText);
    bool loadMaterialsText(std::string_view mtlText);

    std::vector<objl::Mesh> meshes;
    std::vector<objl::Vertex> vertices;
    std::vector<std::uint32_t> indices;
    std::vector<objl::Material> materials;
};

// One vertex per corner of the face line. A face where any corner lacks a
// normal gets the face normal of its first three corners at every corner.
// Empty when a corner is malformed or its indices point outside the lists.
std::optional<std::vector<objl::Vertex>> buildCornerVertices(std::string_view faceLine,
                                                             const std::vector<objl::Vector3>& positions,
                                                             const std::vector<objl::Vector2>& texCoords,
                                                             const std::vector<objl::Vector3>& normals);
