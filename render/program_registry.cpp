#include "program_registry.h"

void ProgramRegistry::add(const char* name, int vertexResourceId, int fragmentResourceId) {
    auto program = std::make_unique<GLFWProgram>(vertexResourceId, fragmentResourceId);
    programs.emplace(name, std::move(program));
}

GLFWProgram* ProgramRegistry::get(const char* name) const {
    const auto found = programs.find(name);
    return found != programs.end() ? found->second.get() : nullptr;
}

void ProgramRegistry::use(const char* name) const {
    if (GLFWProgram* program = get(name)) program->use();
}
