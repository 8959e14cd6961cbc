#include "obj_parser.h"
#include "obj_text.h"

namespace {

// "Ka", "Kd" and "Ks" take exactly three numbers; any other statement is
// left out and the colour keeps its value.
void readColour(const std::string& line, objl::Vector3& colour) {
    const std::vector<std::string> fields = splitOn(lineRemainder(line), " ");
    if (fields.size() != 3) return;
    if (const std::optional<std::vector<float>> values = parseFloats(fields, 3)) {
        colour = {(*values)[0], (*values)[1], (*values)[2]};
    }
}

void readNumber(const std::string& line, float& number) {
    if (const std::optional<float> value = parseFloat(lineRemainder(line))) number = *value;
}

void readMaterialLine(const std::string& line, objl::Material& material) {
    const std::string token = leadingToken(line);
    if (token == "Ka") readColour(line, material.ambient);
    if (token == "Kd") readColour(line, material.diffuse);
    if (token == "Ks") readColour(line, material.specular);
    if (token == "Ns") readNumber(line, material.specularExponent);
    if (token == "Ni") readNumber(line, material.opticalDensity);
    if (token == "d") readNumber(line, material.dissolve);
    if (token == "illum") {
        if (const std::optional<int> value = parseInt(lineRemainder(line))) material.illumination = *value;
    }
    if (token == "map_Ka") material.ambientMap = lineRemainder(line);
    if (token == "map_Kd") material.diffuseMap = lineRemainder(line);
    if (token == "map_Ks") material.specularMap = lineRemainder(line);
    if (token == "map_Ns") material.specularExponentMap = lineRemainder(line);
    if (token == "map_d") material.dissolveMap = lineRemainder(line);
    if (token == "map_Bump" || token == "map_bump" || token == "bump") material.bumpMap = lineRemainder(line);
}

}  // namespace

// MTL lines keep their carriage returns: names are trimmed of them, map file
// names are not.
bool ObjParser::loadMaterialsText(std::string_view mtlText) {
    objl::Material material;
    bool listening = false;
    forEachLine(mtlText, [&](std::string_view text) {
        const std::string line(text);
        if (leadingToken(line) == "newmtl") {
            if (listening) {
                materials.push_back(material);
                material = {};
            }
            listening = true;
            material.name = line.size() < 8 ? "none" : trimLineBreaks(lineRemainder(line));
        }
        readMaterialLine(line, material);
        return true;
    });
    materials.push_back(material);
    return true;
}
