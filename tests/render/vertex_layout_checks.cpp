#include "vertex_layout_checks.h"

#include <gtest/gtest.h>

#include "glfw_program.h"

namespace {

std::vector<GLuint> enabledIndices;
std::vector<AttributeCall> pointerCalls;
decltype(glEnableVertexAttribArray) realEnable = nullptr;
decltype(glVertexAttribPointer) realPointer = nullptr;

void recordingEnable(GLuint index) {
    enabledIndices.push_back(index);
    realEnable(index);
}

void recordingPointer(GLuint index, GLint size, GLenum type, GLboolean normalized, GLsizei stride,
                      const void* pointer) {
    pointerCalls.push_back({index, size, type, normalized, stride, reinterpret_cast<std::intptr_t>(pointer)});
    realPointer(index, size, type, normalized, stride, pointer);
}

GLint attributeState(GLuint index, GLenum name) {
    GLint value = 0;
    glGetVertexAttribiv(index, name, &value);
    return value;
}

}  // namespace

void PrintTo(const AttributeCall& call, std::ostream* out) {
    *out << "{index " << call.index << ", size " << call.size << ", type " << call.type << ", normalized "
         << int{call.normalized} << ", stride " << call.stride << ", offset " << call.offset << "}";
}

AttributeCallRecorder::AttributeCallRecorder() {
    enabledIndices.clear();
    pointerCalls.clear();
    realEnable = glEnableVertexAttribArray;
    realPointer = glVertexAttribPointer;
    glEnableVertexAttribArray = recordingEnable;
    glVertexAttribPointer = recordingPointer;
}

AttributeCallRecorder::~AttributeCallRecorder() {
    glEnableVertexAttribArray = realEnable;
    glVertexAttribPointer = realPointer;
}

const std::vector<GLuint>& AttributeCallRecorder::enabled() const { return enabledIndices; }

const std::vector<AttributeCall>& AttributeCallRecorder::pointed() const { return pointerCalls; }

std::vector<AttributeCall> skyAttributeCalls(GLFWProgram& program) {
    const auto index = [&](const char* name) { return static_cast<GLuint>(program.attributeLocation(name)); };
    return {{index("position"), 3, GL_FLOAT, GL_FALSE, 96, 0},
            {index("position_normal"), 3, GL_FLOAT, GL_FALSE, 96, 20},
            {index("position_tex"), 2, GL_FLOAT, GL_FALSE, 96, 12}};
}

void expectSkyLayout(GLFWProgram& program) {
    GLint vertexBuffer = 0;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &vertexBuffer);
    ASSERT_NE(vertexBuffer, 0);
    for (const AttributeCall& expected : skyAttributeCalls(program)) {
        ASSERT_NE(expected.index, static_cast<GLuint>(-1));
        void* pointer = nullptr;
        glGetVertexAttribPointerv(expected.index, GL_VERTEX_ATTRIB_ARRAY_POINTER, &pointer);
        EXPECT_EQ(attributeState(expected.index, GL_VERTEX_ATTRIB_ARRAY_ENABLED), GL_TRUE) << expected.index;
        EXPECT_EQ(attributeState(expected.index, GL_VERTEX_ATTRIB_ARRAY_SIZE), expected.size) << expected.index;
        EXPECT_EQ(attributeState(expected.index, GL_VERTEX_ATTRIB_ARRAY_STRIDE), expected.stride) << expected.index;
        EXPECT_EQ(attributeState(expected.index, GL_VERTEX_ATTRIB_ARRAY_TYPE), static_cast<GLint>(GL_FLOAT))
            << expected.index;
        EXPECT_EQ(attributeState(expected.index, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED), GL_FALSE) << expected.index;
        EXPECT_EQ(attributeState(expected.index, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING), vertexBuffer)
            << expected.index;
        EXPECT_EQ(reinterpret_cast<std::intptr_t>(pointer), expected.offset) << expected.index;
    }
}
