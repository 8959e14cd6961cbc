// The per-frame values the scene hands to the drawables' uniforms.
#pragma once

class RenderEnvironment {
public:
    // The viewport size stays 0 until the first setViewport.
    explicit RenderEnvironment(float initialTime);

    void setViewport(float width, float height);
    void setTime(float seconds);
    float getTime() const;
    float getViewportWidth() const;
    float getViewportHeight() const;

private:
    float viewportWidth = 0;
    float viewportHeight = 0;
    float time;
};
