// Makes a library window, with a context, out of a native window that the
// library did not create. Destroying it gives the native window back to its
// owner (see glfw-attach.patch).
#include "internal.h"

#include "glfw_attach.h"

#include <stdlib.h>

// The procedure the library registered for its window class, through which
// every message of its own windows goes.
static WNDPROC libraryWindowProc(void)
{
    WNDCLASSEXW windowClass;
    ZeroMemory(&windowClass, sizeof(windowClass));
    windowClass.cbSize = sizeof(windowClass);
    GetClassInfoExW(_glfw.win32.instance, _GLFW_WNDCLASSNAME, &windowClass);
    return windowClass.lpfnWndProc;
}

static void attachNativeWindow(_GLFWwindow* window, HWND handle)
{
    window->win32.handle = handle;
    SetPropW(handle, L"GLFW", window);

    window->win32.attached = GLFW_TRUE;
    window->win32.savedWindowProc = (WNDPROC) (LONG_PTR) GetWindowLongW(handle, GWL_WNDPROC);
    SetWindowLongW(handle, GWL_WNDPROC, (LONG) (LONG_PTR) libraryWindowProc());
}

// The library's window procedure reports maximize and iconify changes from
// the states recorded here.
static void readNativeAttributes(_GLFWwindow* window)
{
    const HWND handle = window->win32.handle;
    const LONG style = GetWindowLongW(handle, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(handle, GWL_EXSTYLE);

    window->resizable = (style & WS_THICKFRAME) != 0;
    window->decorated = (style & (WS_BORDER | WS_THICKFRAME)) != 0;
    window->floating = (exStyle & WS_EX_TOPMOST) != 0;
    window->win32.maximized = IsZoomed(handle) != 0;
    window->win32.iconified = IsIconic(handle) != 0;
}

static GLFWbool createContext(_GLFWwindow* window,
                              const _GLFWctxconfig* ctxconfig,
                              const _GLFWfbconfig* fbconfig)
{
    switch (ctxconfig->source)
    {
        case GLFW_NATIVE_CONTEXT_API:
            return _glfwInitWGL() && _glfwCreateContextWGL(window, ctxconfig, fbconfig);
        case GLFW_EGL_CONTEXT_API:
            return _glfwInitEGL() && _glfwCreateContextEGL(window, ctxconfig, fbconfig);
        case GLFW_OSMESA_CONTEXT_API:
            return _glfwInitOSMesa() && _glfwCreateContextOSMesa(window, ctxconfig, fbconfig);
        default:
            return GLFW_FALSE;
    }
}

GLFWAPI GLFWwindow* glfwAttachWindow(GLFWnativewindow handle, GLFWwindow* share)
{
    _GLFWfbconfig fbconfig;
    _GLFWctxconfig ctxconfig;
    _GLFWwndconfig wndconfig;
    _GLFWwindow* window;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    fbconfig  = _glfw.hints.framebuffer;
    ctxconfig = _glfw.hints.context;
    wndconfig = _glfw.hints.window;
    ctxconfig.share = (_GLFWwindow*) share;

    // Refuses a share window without a context first, then invalid hints
    if (!_glfwIsValidContextConfig(&ctxconfig))
        return NULL;

    window = calloc(1, sizeof(_GLFWwindow));
    window->next = _glfw.windowListHead;
    _glfw.windowListHead = window;

    window->monitor     = NULL;
    window->autoIconify = wndconfig.autoIconify;
    window->cursorMode  = GLFW_CURSOR_NORMAL;
    window->minwidth    = GLFW_DONT_CARE;
    window->minheight   = GLFW_DONT_CARE;
    window->maxwidth    = GLFW_DONT_CARE;
    window->maxheight   = GLFW_DONT_CARE;
    window->numer       = GLFW_DONT_CARE;
    window->denom       = GLFW_DONT_CARE;

    attachNativeWindow(window, handle);
    readNativeAttributes(window);

    if (ctxconfig.client != GLFW_NO_API)
    {
        if (!createContext(window, &ctxconfig, &fbconfig) ||
            !_glfwRefreshContextAttribs(window, &ctxconfig))
        {
            glfwDestroyWindow((GLFWwindow*) window);
            return NULL;
        }
    }

    return (GLFWwindow*) window;
}
