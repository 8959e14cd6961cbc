#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gl_loader.h"

namespace {

struct Group {
    const char* group;
    int count;
    const char* first;
    const char* last;
};

const Group kGroups[] = {
    {"V1_0", 48, "glCullFace", "glViewport"},
    {"V1_1", 14, "glDrawArrays", "glIsTexture"},
    {"V1_2", 4, "glDrawRangeElements", "glCopyTexSubImage3D"},
    {"V1_3", 9, "glActiveTexture", "glGetCompressedTexImage"},
    {"V1_4", 9, "glBlendFuncSeparate", "glBlendEquation"},
    {"V1_5", 19, "glGenQueries", "glGetBufferPointerv"},
    {"V2_0", 93, "glBlendEquationSeparate", "glVertexAttribPointer"},
    {"V2_1", 6, "glUniformMatrix2x3fv", "glUniformMatrix4x3fv"},
    {"V3_0", 84, "glColorMaski", "glIsVertexArray"},
    {"V3_1", 12, "glDrawArraysInstanced", "glUniformBlockBinding"},
    {"V3_2", 19, "glDrawElementsBaseVertex", "glSampleMaski"},
    {"V3_3", 28, "glBindFragDataLocationIndexed", "glVertexAttribP4uiv"},
    {"V4_0", 46, "glMinSampleShading", "glGetQueryIndexediv"},
    {"V4_1", 88, "glReleaseShaderCompiler", "glGetDoublei_v"},
    {"V4_2", 12, "glDrawArraysInstancedBaseInstance", "glDrawTransformFeedbackStreamInstanced"},
    {"V4_3", 43, "glClearBufferData", "glGetObjectPtrLabel"},
    {"V4_4", 9, "glBufferStorage", "glBindVertexBuffers"},
    {"V4_5", 110, "glClipControl", "glTextureBarrier"},
    {"ARB", 47, "glGetTextureHandleARB", "glTexPageCommitmentARB"},
};

const char* const kExtensionFunctions[] = {
    "glGetTextureHandleARB", "glGetTextureSamplerHandleARB", "glMakeTextureHandleResidentARB",
    "glMakeTextureHandleNonResidentARB", "glGetImageHandleARB", "glMakeImageHandleResidentARB",
    "glMakeImageHandleNonResidentARB", "glUniformHandleui64ARB", "glUniformHandleui64vARB",
    "glProgramUniformHandleui64ARB", "glProgramUniformHandleui64vARB", "glIsTextureHandleResidentARB",
    "glIsImageHandleResidentARB", "glVertexAttribL1ui64ARB", "glVertexAttribL1ui64vARB",
    "glGetVertexAttribLui64vARB", "glCreateSyncFromCLeventARB", "glDispatchComputeGroupSizeARB",
    "glDebugMessageControlARB", "glDebugMessageInsertARB", "glDebugMessageCallbackARB",
    "glGetDebugMessageLogARB", "glBlendEquationiARB", "glBlendEquationSeparateiARB", "glBlendFunciARB",
    "glBlendFuncSeparateiARB", "glMultiDrawArraysIndirectCountARB", "glMultiDrawElementsIndirectCountARB",
    "glGetGraphicsResetStatusARB", "glGetnTexImageARB", "glReadnPixelsARB", "glGetnCompressedTexImageARB",
    "glGetnUniformfvARB", "glGetnUniformivARB", "glGetnUniformuivARB", "glGetnUniformdvARB",
    "glMinSampleShadingARB", "glNamedStringARB", "glDeleteNamedStringARB", "glCompileShaderIncludeARB",
    "glIsNamedStringARB", "glGetNamedStringARB", "glGetNamedStringivARB", "glBufferPageCommitmentARB",
    "glNamedBufferPageCommitmentEXT", "glNamedBufferPageCommitmentARB", "glTexPageCommitmentARB",
};

TEST(GLEntryPointList, HasSevenHundredUniqueNames) {
    ASSERT_EQ(glEntryPointCount, 700);
    std::set<std::string> names;
    for (int i = 0; i < glEntryPointCount; ++i) names.insert(glEntryPointNames[i].name);
    EXPECT_EQ(names.size(), 700u);
}

TEST(GLEntryPointList, GroupsComeInOrderWithTheirCountsAndEnds) {
    int at = 0;
    for (const Group& group : kGroups) {
        SCOPED_TRACE(group.group);
        ASSERT_LE(at + group.count, glEntryPointCount);
        EXPECT_STREQ(glEntryPointNames[at].name, group.first);
        EXPECT_STREQ(glEntryPointNames[at + group.count - 1].name, group.last);
        for (int i = at; i < at + group.count; ++i) EXPECT_STREQ(glEntryPointNames[i].group, group.group);
        at += group.count;
    }
    EXPECT_EQ(at, glEntryPointCount);
}

TEST(GLEntryPointList, ExtensionFunctionsInTheirOrder) {
    const int start = glEntryPointCount - 47;
    for (int i = 0; i < 47; ++i) EXPECT_STREQ(glEntryPointNames[start + i].name, kExtensionFunctions[i]);
}

TEST(GLEntryPointList, HoldsNoCompatibilityOnlyOrNewerFunctions) {
    for (const char* absent : {"glBegin", "glVertex3f", "glLoadIdentity", "glSpecializeShader",
                               "glMultiDrawArraysIndirectCount", "glPolygonOffsetClamp"}) {
        for (int i = 0; i < glEntryPointCount; ++i) EXPECT_STRNE(glEntryPointNames[i].name, absent);
    }
}

}  // namespace
