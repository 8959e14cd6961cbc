#pragma once

#include <map>
#include <memory>
#include <string>

#include "glfw_program.h"

// Creates and owns every program and finds it again by name.
class ProgramRegistry {
public:
    // Compiles the program (or ends the process); a name that is already
    // registered keeps its first program and the new one is discarded.
    void add(const char* name, int vertexResourceId, int fragmentResourceId);
    // Null for a name that was never added.
    GLFWProgram* get(const char* name) const;
    // Makes the named program current; an unknown name changes nothing.
    void use(const char* name) const;

private:
    std::map<std::string, std::unique_ptr<GLFWProgram>> programs;
};
