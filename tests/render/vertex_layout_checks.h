// What the tests check of a vertex layout: the attribute calls a bind makes,
// and the attribute state OpenGL holds afterwards.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "gl_api.h"

class GLFWProgram;

struct AttributeCall {
    GLuint index;
    GLint size;
    GLenum type;
    GLboolean normalized;
    GLsizei stride;
    std::intptr_t offset;
    bool operator==(const AttributeCall&) const = default;
};

void PrintTo(const AttributeCall& call, std::ostream* out);

// Records every glEnableVertexAttribArray and glVertexAttribPointer call made
// while it lives (one recorder at a time).
class AttributeCallRecorder {
public:
    AttributeCallRecorder();
    ~AttributeCallRecorder();
    AttributeCallRecorder(const AttributeCallRecorder&) = delete;
    AttributeCallRecorder& operator=(const AttributeCallRecorder&) = delete;

    const std::vector<GLuint>& enabled() const;
    const std::vector<AttributeCall>& pointed() const;
};

// The pointer calls of a bind of the sky's layout for `program`: "position",
// "position_normal", "position_tex" (ascending names), stride 96, byte
// offsets 0, 20 and 12.
std::vector<AttributeCall> skyAttributeCalls(GLFWProgram& program);

// Expects OpenGL to hold the sky's layout for `program`: the three attributes
// enabled, as above, in the bound vertex buffer.
void expectSkyLayout(GLFWProgram& program);
