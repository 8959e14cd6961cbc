// Attaching is not built yet: it always fails.
#include "internal.h"

#include "glfw_attach.h"

GLFWAPI GLFWwindow* glfwAttachWindow(GLFWnativewindow handle, GLFWwindow* share)
{
    (void) handle;
    (void) share;
    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);
    _glfwInputError(GLFW_PLATFORM_ERROR, "Win32: Attaching to a host window is not supported");
    return NULL;
}
