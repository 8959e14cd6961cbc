// Linux stand-ins for the Win32 services: resources from the embedded table,
// message boxes on standard error, an abstract-socket lock for the
// single-instance guard, and the native GL library's lookups.
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "bitmap_file.h"
#include "embedded_resources.h"
#include "platform.h"

namespace platform {
namespace {

std::string_view findResource(const char* type, int id) {
    for (const EmbeddedResource* entry = embeddedResources; entry->type != nullptr; ++entry) {
        if (entry->id == id && std::strcmp(entry->type, type) == 0) {
            return {reinterpret_cast<const char*>(entry->begin), static_cast<std::size_t>(entry->end - entry->begin)};
        }
    }
    return {};
}

using GetProcAddressFunction = void* (*)(const unsigned char*);

}  // namespace

void messageBox(const char* text, const char* caption, unsigned) {
    std::fprintf(stderr, "[%s] %s\n", caption, text);
    std::fflush(stderr);
}

std::string_view textResource(int id) { return findResource("TEXTFILE", id); }

bool loadBitmapResource(int id, BitmapPixels& out) {
    const std::string_view file = findResource("BITMAP", id);
    if (file.data() == nullptr) {
        out = BitmapPixels{};
        return false;
    }
    return decodeBitmapFile(file, out);
}

bool claimSingleInstance() {
    // A per-user name in the abstract socket namespace: the kernel releases
    // it when the process ends, however it ends.
    const int handle = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (handle < 0) return true;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = "K_OPENGL_SCREENSAVER-" + std::to_string(getuid());
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (bind(handle, reinterpret_cast<const sockaddr*>(&address), length) == 0) return true;
    close(handle);
    return false;
}

int windowsVersion() { return 100; }

// X11 has no preview host: a preview start gets no window to draw into.
bool hostWindowExists(NativeWindow) { return false; }

bool hostClientSize(NativeWindow, int& width, int& height) {
    width = 0;
    height = 0;
    return false;
}

bool isHostWindowEnabled(NativeWindow) { return false; }

void* openGLLibrary() { return dlopen("libGL.so.1", RTLD_NOW | RTLD_GLOBAL); }

void closeGLLibrary(void* library) {
    if (library != nullptr) dlclose(library);
}

void* contextProcAddress(const char* name) {
    static auto lookup = reinterpret_cast<GetProcAddressFunction>(dlsym(RTLD_DEFAULT, "glXGetProcAddressARB"));
    if (lookup == nullptr) {
        static void* library = dlopen("libGL.so.1", RTLD_NOW | RTLD_GLOBAL);
        if (library != nullptr) lookup = reinterpret_cast<GetProcAddressFunction>(dlsym(library, "glXGetProcAddressARB"));
    }
    return lookup != nullptr ? lookup(reinterpret_cast<const unsigned char*>(name)) : nullptr;
}

void* libraryExport(void* library, const char* name) {
    return library != nullptr ? dlsym(library, name) : nullptr;
}

}  // namespace platform
