// Ear clipping of one face polygon into triangles.
#pragma once

#include <cstdint>
#include <vector>

#include "obj_records.h"

// Indices into the corner list, three per triangle, each triple ascending.
std::vector<std::uint32_t> triangulatePolygon(const std::vector<objl::Vertex>& corners);
// P's projection onto the triangle's plane lies in the triangle, edges and
// corners included; a triangle of zero area contains no point.
bool pointInTriangle(objl::Vector3 p, objl::Vector3 a, objl::Vector3 b, objl::Vector3 c);
