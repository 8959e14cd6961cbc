#include "render_environment.h"

RenderEnvironment::RenderEnvironment(float initialTime) : time(initialTime) {}

void RenderEnvironment::setViewport(float width, float height) {
    viewportWidth = width;
    viewportHeight = height;
}

void RenderEnvironment::setTime(float seconds) { time = seconds; }

float RenderEnvironment::getTime() const { return time; }

float RenderEnvironment::getViewportWidth() const { return viewportWidth; }

float RenderEnvironment::getViewportHeight() const { return viewportHeight; }
