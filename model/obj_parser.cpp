#include "obj_parser.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "obj_text.h"
#include "triangulation.h"

namespace {

void writeOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

// The fields of a "v", "vt" or "vn" line, split at blanks.
std::vector<std::string> valueFields(const std::string& line) { return splitOn(lineRemainder(line), " "); }

bool appendVector3(std::vector<objl::Vector3>& list, const std::string& line) {
    const std::optional<std::vector<float>> values = parseFloats(valueFields(line), 3);
    if (!values) return false;
    list.push_back({(*values)[0], (*values)[1], (*values)[2]});
    return true;
}

bool appendVector2(std::vector<objl::Vector2>& list, const std::string& line) {
    const std::optional<std::vector<float>> values = parseFloats(valueFields(line), 2);
    if (!values) return false;
    list.push_back({(*values)[0], (*values)[1]});
    return true;
}

bool isGroupLine(const std::string& line, const std::string& token) {
    return token == "o" || token == "g" || (!line.empty() && line[0] == 'g');
}

// The state of one loadModel call: values read so far, the mesh being
// collected, the "usemtl" names and the progress counter.
class ObjReader {
public:
    ObjReader(ObjParser& parser, std::string_view mtlText) : parser(parser), mtlText(mtlText) {}

    // False when the line is malformed; the model is then rejected.
    bool readLine(std::string line) {
        for (std::size_t cr = line.find('\r'); cr != std::string::npos; cr = line.find('\r')) line.erase(cr, 2);
        counter = (counter + 1) % 1000;
        if (counter == 1 && !meshName.empty()) writeProgress();

        const std::string token = leadingToken(line);
        if (isGroupLine(line, token)) startGroup(line, token);
        if (token == "v") return appendVector3(positions, line);
        if (token == "vt") return appendVector2(texCoords, line);
        if (token == "vn") return appendVector3(normals, line);
        if (token == "f") return readFace(line);
        if (token == "usemtl") useMaterial(line);
        if (token == "mtllib") parser.loadMaterialsText(mtlText);
        return true;
    }

    // Closes the last mesh, then gives the i-th mesh the first material named
    // by the i-th "usemtl" line; names beyond the last mesh pair with nothing.
    void finish() {
        if (hasGeometry()) closeMesh(meshName);
        for (std::size_t i = 0; i < materialNames.size() && i < parser.meshes.size(); ++i) {
            const auto& materials = parser.materials;
            const auto named = std::find_if(materials.begin(), materials.end(),
                                            [&](const objl::Material& m) { return m.name == materialNames[i]; });
            if (named != materials.end()) parser.meshes[i].material = *named;
        }
    }

private:
    void startGroup(const std::string& line, const std::string& token) {
        const bool named = token == "o" || token == "g";
        if (!listening) {
            listening = true;
            meshName = named ? lineRemainder(line) : "unnamed";
        } else if (hasGeometry()) {
            closeMesh(meshName);
            meshName = lineRemainder(line);
        } else {
            meshName = named ? lineRemainder(line) : "unnamed";
        }
        writeOut("\n");
        counter = 0;
    }

    bool readFace(const std::string& line) {
        const auto corners = buildCornerVertices(line, positions, texCoords, normals);
        if (!corners) return false;
        meshVertices.insert(meshVertices.end(), corners->begin(), corners->end());
        parser.vertices.insert(parser.vertices.end(), corners->begin(), corners->end());
        const std::size_t meshBase = meshVertices.size() - corners->size();
        const std::size_t modelBase = parser.vertices.size() - corners->size();
        for (const std::uint32_t k : triangulatePolygon(*corners)) {
            meshIndices.push_back(static_cast<std::uint32_t>(meshBase + k));
            parser.indices.push_back(static_cast<std::uint32_t>(modelBase + k));
        }
        return true;
    }

    void useMaterial(const std::string& line) {
        materialNames.push_back(lineRemainder(line));
        if (hasGeometry()) closeMesh(meshName + "_" + std::to_string(firstFreeSuffix()));
        counter = 0;
    }

    int firstFreeSuffix() const {
        int suffix = 2;
        const auto taken = [&](int n) {
            const std::string name = meshName + "_" + std::to_string(n);
            return std::any_of(parser.meshes.begin(), parser.meshes.end(),
                               [&](const objl::Mesh& mesh) { return mesh.name == name; });
        };
        while (taken(suffix)) ++suffix;
        return suffix;
    }

    bool hasGeometry() const { return !meshVertices.empty() && !meshIndices.empty(); }

    void closeMesh(const std::string& name) {
        objl::Mesh mesh(meshVertices, meshIndices);
        mesh.name = name;
        parser.meshes.push_back(std::move(mesh));
        meshVertices.clear();
        meshIndices.clear();
    }

    void writeProgress() const {
        std::string text = "\r- " + meshName + "\t| vertices > " + std::to_string(positions.size()) +
                           "\t| texcoords > " + std::to_string(texCoords.size()) + "\t| normals > " +
                           std::to_string(normals.size()) + "\t| triangles > " +
                           std::to_string(meshVertices.size() / 3);
        if (!materialNames.empty()) text += "\t| material: " + materialNames.back();
        writeOut(text);
    }

    ObjParser& parser;
    std::string_view mtlText;
    std::vector<objl::Vector3> positions;
    std::vector<objl::Vector2> texCoords;
    std::vector<objl::Vector3> normals;
    std::vector<objl::Vertex> meshVertices;
    std::vector<std::uint32_t> meshIndices;
    std::vector<std::string> materialNames;
    bool listening = false;
    std::string meshName;
    int counter = 1000;
};

}  // namespace

bool ObjParser::loadModelText(std::string_view objText, std::string_view mtlText) {
    const auto clearModel = [this] {
        meshes.clear();
        vertices.clear();
        indices.clear();
    };
    clearModel();
    ObjReader reader(*this, mtlText);
    const bool wellFormed = forEachLine(objText, [&](std::string_view line) { return reader.readLine(std::string(line)); });
    writeOut("\n");
    if (!wellFormed) {
        clearModel();
        return false;
    }
    reader.finish();
    return !meshes.empty() || !vertices.empty() || !indices.empty();
}
