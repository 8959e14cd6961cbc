// X11 has no preview host window to draw into: attaching always fails.
#include "internal.h"

#include "glfw_attach.h"

GLFWAPI GLFWwindow* glfwAttachWindow(GLFWnativewindow handle, GLFWwindow* share)
{
    (void) handle;
    (void) share;
    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);
    _glfwInputError(GLFW_PLATFORM_ERROR, "X11: Attaching to a host window is not supported");
    return NULL;
}
