// The records of a parsed OBJ model and its MTL materials.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace objl {

struct Vector2 {
    float x = 0;
    float y = 0;
};

struct Vector3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

Vector3 operator-(Vector3 a, Vector3 b);
Vector3 operator+(Vector3 a, Vector3 b);
// Exact float comparison of all three components, no tolerance.
bool operator==(Vector3 a, Vector3 b);
Vector3 cross(Vector3 a, Vector3 b);
float dot(Vector3 a, Vector3 b);

struct Vertex {
    Vector3 position;
    Vector3 normal;
    Vector2 texCoord;
};

struct Material {
    std::string name;
    Vector3 ambient;
    Vector3 diffuse;
    Vector3 specular;
    float specularExponent = 0;
    float opticalDensity = 0;
    float dissolve = 0;
    std::int32_t illumination = 0;
    std::string ambientMap;
    std::string diffuseMap;
    std::string specularMap;
    std::string specularExponentMap;
    std::string dissolveMap;
    std::string bumpMap;
};

struct Mesh {
    Mesh() = default;
    Mesh(const std::vector<Vertex>& vertices, const std::vector<std::uint32_t>& indices)
        : vertices(vertices), indices(indices) {}

    std::string name;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    Material material;
};

}  // namespace objl
