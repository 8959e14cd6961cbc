// libFuzzer target: an input is an OBJ text, optionally followed by a NUL
// byte and an MTL text. It is parsed and built into vertex records; any
// index outside its list or any number that is not finite in the records
// counts as a finding, as do the sanitizers' reports.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "mesh_data.h"
#include "obj_parser.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool isFinite(objl::Vector3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

void checkMaterials(const ObjParser& parser) {
    for (const objl::Material& m : parser.materials) {
        require(isFinite(m.ambient) && isFinite(m.diffuse) && isFinite(m.specular));
        require(std::isfinite(m.specularExponent) && std::isfinite(m.opticalDensity) && std::isfinite(m.dissolve));
    }
}

void checkModel(const ObjParser& parser) {
    require(parser.indices.size() % 3 == 0);
    for (const std::uint32_t index : parser.indices) require(index < parser.vertices.size());
    for (const objl::Mesh& mesh : parser.meshes) {
        require(mesh.indices.size() % 3 == 0);
        for (const std::uint32_t index : mesh.indices) require(index < mesh.vertices.size());
    }
}

void checkRecords(const MeshData& mesh) {
    const std::size_t floats = static_cast<std::size_t>(mesh.vertexCount()) * mesh.floatsPerVertex();
    require(mesh.vertexDataBytes() == floats * sizeof(float));
    for (std::size_t i = 0; i < floats; ++i) require(std::isfinite(mesh.vertexData()[i]));
    for (int i = 0; i < mesh.indexCount(); ++i) {
        require(mesh.indexData()[i] < static_cast<std::uint32_t>(mesh.vertexCount()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The progress text would flood the fuzzer's own output.
    require(std::freopen("/dev/null", "w", stdout) != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view obj = input.substr(0, split);
    const std::string_view mtl = split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

    ObjParser parser;
    parser.loadMaterialsText(mtl);
    checkMaterials(parser);
    if (parser.loadModelText(obj, mtl)) {
        checkModel(parser);
        checkMaterials(parser);
        checkRecords(MeshData(std::make_unique<MeshAttributeArrays>(parser.meshes, 1.0f)));
    } else {
        require(parser.meshes.empty() && parser.vertices.empty() && parser.indices.empty());
    }
    return 0;
}
