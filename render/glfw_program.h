#pragma once

#include <map>
#include <memory>
#include <string>

#include "gl_api.h"

// Text bytes a shader buffer takes; the buffer itself is four bytes larger.
constexpr int SHADER_TEXT_CAPACITY = 32768;

// One program object compiled and linked from two TEXTFILE resources, with
// its uniform and attribute locations cached by name.
class GLFWProgram {
public:
    // A vertex or fragment shader that does not compile shows its log and a
    // message, then ends the process with status 0.
    GLFWProgram(int vertexResourceId, int fragmentResourceId);
    GLFWProgram(const GLFWProgram&) = delete;
    GLFWProgram& operator=(const GLFWProgram&) = delete;

    GLuint programId() const;
    void use() const;
    // Uniforms and attributes share one cache keyed by the name alone.
    GLint uniformLocation(const char* name);
    GLint attributeLocation(const char* name);

    // Copies the resource's text up to its first '~' and appends four zero
    // bytes: `buffer` must hold capacity + 4 bytes. The copy also stops at the
    // end of the resource and after `capacity` bytes; a missing resource gives
    // an empty text.
    static void loadTextResource(int resourceId, char* buffer, int capacity);
    static void showShaderLog(GLuint shader);

private:
    enum class LocationKind { Uniform, Attribute };

    GLint lookupLocation(LocationKind kind, const char* name);
    static GLuint compileShader(GLenum type, const char* source, const char* failureMessage);

    std::unique_ptr<char[]> vertexSource;
    std::unique_ptr<char[]> fragmentSource;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
    GLuint program = 0;
    std::map<std::string, GLint> locations;
};
