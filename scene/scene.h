#pragma once

// One-time scene setup; needs the window's context and the entry points.
void setupScene();
// The per-frame update and render, before the buffers are swapped.
void updateFrame();
void renderFrame();
