// Loads the OpenGL entry points on a real WGL context under Wine and prints
// what it finds; exits non-zero when something is wrong.
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gl_api.h"
#include "gl_loader.h"

namespace {

int failures = 0;

void check(bool condition, const char* what) {
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
    if (!condition) ++failures;
}

}  // namespace

int main() {
    if (!glfwInit()) return 2;
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(64, 64, "gl_loader_check", nullptr, nullptr);
    if (window == nullptr) return 3;
    glfwMakeContextCurrent(window);

    const int result = loadOpenGLEntryPoints();
    const std::string version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    std::printf("GL_VERSION %s, read back %d.%d, result %d\n", version.c_str(), glMajorVersion, glMinorVersion,
                result);
    const int major = std::atoi(version.c_str());
    const int minor = std::atoi(version.c_str() + version.find('.') + 1);
    check(glMajorVersion == major && glMinorVersion == minor, "the version read back is the context's");
    check(result == (major >= 3 ? 0 : -1), "the result follows the major version");

    int missingCore = 0;
    for (int i = 0; i < glEntryPointCount; ++i) {
        if (std::strcmp(glEntryPointNames[i].group, "ARB") == 0) continue;
        if (glEntryPointNames[i].address() == nullptr) {
            std::printf("unresolved: %s\n", glEntryPointNames[i].name);
            ++missingCore;
        }
    }
    check(missingCore == 0, "every core name up to 4.5 resolves");
    check(glCullFace != nullptr && glViewport != nullptr, "1.0 functions come from opengl32.dll's exports");
    check(glTexStorage2D != nullptr && glTextureBarrier != nullptr, "newer functions come from wglGetProcAddress");
    check(glCreateSyncFromCLeventARB == nullptr, "an extension the driver lacks stays null");
    check(lookupEntryPoint("velmarisNoSuchEntryPoint") == nullptr, "an unknown name stays null");
    glfwTerminate();
    return failures == 0 ? 0 : 1;
}
