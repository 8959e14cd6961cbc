// The loaders' entry points that read the executable's "TEXTFILE" resources
// and end the process when the model cannot be loaded.
#include <cstdlib>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "mesh_data.h"
#include "obj_parser.h"
#include "platform.h"

namespace {

std::vector<objl::Mesh> loadMeshesOrExit(int objId, int mtlId) {
    ObjParser parser;
    if (!parser.loadModel(objId, mtlId)) {
        platform::messageBox("Failed to load mesh", "Debug", platform::kMessageOk | platform::kMessageIconInformation);
        glfwTerminate();
        std::exit(0);
    }
    return std::move(parser.meshes);
}

}  // namespace

bool ObjParser::loadModel(int objId, int mtlId) {
    return loadModelText(platform::textResource(objId), platform::textResource(mtlId));
}

bool ObjParser::loadMaterials(int mtlId) { return loadMaterialsText(platform::textResource(mtlId)); }

MeshAttributeArrays::MeshAttributeArrays(int objId, int mtlId, float scale)
    : MeshAttributeArrays(loadMeshesOrExit(objId, mtlId), scale) {}

MeshData::MeshData(int objId, int mtlId, float scale)
    : MeshData(std::make_unique<MeshAttributeArrays>(objId, mtlId, scale)) {}
