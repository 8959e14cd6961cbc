#pragma once

// Version read back from the current context by loadOpenGLEntryPoints; 0 until then.
extern int glMajorVersion;
extern int glMinorVersion;

// Fills every entry point of the list; 0 when the context reports major
// version 3 or later, -1 otherwise. Needs a current context.
int loadOpenGLEntryPoints();

void* lookupEntryPoint(const char* name);

// The list as data, for checking it: group ("V1_0" ... "V4_5", "ARB"), name,
// and the pointer's present value.
struct GLEntryPointName {
    const char* group;
    const char* name;
    void* (*address)();
};
extern const GLEntryPointName glEntryPointNames[];
extern const int glEntryPointCount;
