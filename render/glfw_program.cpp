#include "glfw_program.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform.h"

namespace {

constexpr int kZeroTail = 4;

}  // namespace

GLFWProgram::GLFWProgram(int vertexResourceId, int fragmentResourceId)
    : vertexSource(new char[SHADER_TEXT_CAPACITY + kZeroTail]),
      fragmentSource(new char[SHADER_TEXT_CAPACITY + kZeroTail]) {
    loadTextResource(vertexResourceId, vertexSource.get(), SHADER_TEXT_CAPACITY);
    loadTextResource(fragmentResourceId, fragmentSource.get(), SHADER_TEXT_CAPACITY);
    program = glCreateProgram();
    vertexShader = compileShader(GL_VERTEX_SHADER, vertexSource.get(), "Vertex shader compilation error");
    fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentSource.get(), "Fragment shader compilation error");
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);
}

GLuint GLFWProgram::programId() const { return program; }

void GLFWProgram::use() const { glUseProgram(program); }

GLint GLFWProgram::uniformLocation(const char* name) { return lookupLocation(LocationKind::Uniform, name); }

GLint GLFWProgram::attributeLocation(const char* name) { return lookupLocation(LocationKind::Attribute, name); }

void GLFWProgram::loadTextResource(int resourceId, char* buffer, int capacity) {
    const std::string_view resource = platform::textResource(resourceId);
    const std::string_view readable = resource.substr(0, static_cast<std::size_t>(std::max(capacity, 0)));
    const std::string_view text = readable.substr(0, readable.find('~'));
    std::copy(text.begin(), text.end(), buffer);
    std::fill_n(buffer + text.size(), kZeroTail, '\0');
}

void GLFWProgram::showShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    glGetShaderInfoLog(shader, length, &length, log.data());
    platform::messageBox(log.data(), "Debug", platform::kMessageOk | platform::kMessageIconInformation);
}

GLint GLFWProgram::lookupLocation(LocationKind kind, const char* name) {
    const std::string key(name);
    const auto cached = locations.find(key);
    if (cached != locations.end()) return cached->second;
    const GLint location = kind == LocationKind::Uniform ? glGetUniformLocation(program, name)
                                                         : glGetAttribLocation(program, name);
    locations.emplace(key, location);
    return location;
}

GLuint GLFWProgram::compileShader(GLenum type, const char* source, const char* failureMessage) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == 0) {
        showShaderLog(shader);
        platform::messageBox(failureMessage, "Debug", platform::kMessageOk | platform::kMessageIconInformation);
        glDeleteShader(shader);
        std::exit(0);
    }
    return shader;
}
