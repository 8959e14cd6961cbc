#include "gl_loader.h"

#include "gl_api.h"
#include "platform.h"

#define VELMARIS_GL_ENTRY(group, ret, name, params) ret(VELMARIS_APIENTRY* name) params = nullptr;
#include "gl_entry_points.inc"
#undef VELMARIS_GL_ENTRY

int glMajorVersion = 0;
int glMinorVersion = 0;

const GLEntryPointName glEntryPointNames[] = {
#define VELMARIS_GL_ENTRY(group, ret, name, params) {#group, #name, [] { return reinterpret_cast<void*>(name); }},
#include "gl_entry_points.inc"
#undef VELMARIS_GL_ENTRY
};
const int glEntryPointCount = sizeof glEntryPointNames / sizeof glEntryPointNames[0];

namespace {
void* openGLModule = nullptr;

template <typename Pointer>
void resolve(Pointer& pointer, const char* name) {
    pointer = reinterpret_cast<Pointer>(lookupEntryPoint(name));
}
}  // namespace

void* lookupEntryPoint(const char* name) {
    void* address = platform::contextProcAddress(name);
    if (address == nullptr) address = platform::libraryExport(openGLModule, name);
    return address;
}

int loadOpenGLEntryPoints() {
    openGLModule = platform::openGLLibrary();
#define VELMARIS_GL_ENTRY(group, ret, name, params) resolve(name, #name);
#include "gl_entry_points.inc"
#undef VELMARIS_GL_ENTRY
    platform::closeGLLibrary(openGLModule);
    openGLModule = nullptr;

    if (glGetIntegerv == nullptr) return -1;
    glGetIntegerv(GL_MAJOR_VERSION, &glMajorVersion);
    glGetIntegerv(GL_MINOR_VERSION, &glMinorVersion);
    return glMajorVersion < 3 ? -1 : 0;
}
