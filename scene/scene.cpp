#include "scene.h"

#include "gl_api.h"

void setupScene() {}

void updateFrame() { renderFrame(); }

void renderFrame() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
