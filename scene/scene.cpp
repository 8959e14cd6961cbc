#include "scene.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "bitmap_texture.h"
#include "camera.h"
#include "gl_api.h"
#include "glfw_drawable_sky.h"
#include "math.h"
#include "program_registry.h"
#include "render_environment.h"
#include "screensaver_app.h"

namespace {

constexpr const char* kProgramName = "BackgroundProgram";
constexpr int kVertexShaderResource = 137;
constexpr int kFragmentShaderResource = 136;
constexpr int kModelResource = 141;
constexpr int kMaterialResource = 140;
constexpr float kModelScale = 1.0f;
constexpr int kNoise0Resource = 210;
constexpr int kNoise0Size = 512;
constexpr int kNoise1Resource = 211;
constexpr int kNoise1Size = 1024;

constexpr Float3 kCameraEye{0.0f, 0.0f, 100.0f};
constexpr float kCameraPitch = 1.0f;
constexpr int kViewSlot = 0;
constexpr float kFieldOfView = 50.0f;
constexpr float kNearPlane = 0.1f;
constexpr float kFarPlane = 1000.0f;
constexpr Float3 kSkyOffset{0.0f, 0.0f, -100.0f};
constexpr float kInitialTime = 0.0f;

// The scene's objects live until the process ends.
ProgramRegistry* registry = nullptr;
RenderEnvironment* environment = nullptr;
Camera* camera = nullptr;
BitmapTexture* noiseTexture0 = nullptr;
BitmapTexture* noiseTexture1 = nullptr;
GLFWDrawableSky* sky = nullptr;
GLint texture0Location = -1;
GLint texture1Location = -1;

}  // namespace

void setupScene() {
    registry = new ProgramRegistry();
    environment = new RenderEnvironment(kInitialTime);
    camera = new Camera(kCameraEye.x, kCameraEye.y, kCameraEye.z);
    camera->pitch(kCameraPitch);
    camera->updateView(kViewSlot);
    noiseTexture0 = new BitmapTexture(kNoise0Resource, kNoise0Size);
    noiseTexture1 = new BitmapTexture(kNoise1Resource, kNoise1Size);
    registry->add(kProgramName, kVertexShaderResource, kFragmentShaderResource);
    sky = new GLFWDrawableSky(environment, camera, registry, kProgramName, kModelResource, kMaterialResource,
                              kModelScale);
    sky->prepare();
    texture0Location = registry->get(kProgramName)->uniformLocation("texture0");
    texture1Location = registry->get(kProgramName)->uniformLocation("texture1");
}

void updateFrame() {
    const float time = static_cast<float>(glfwGetTime());
    environment->setTime(time);
    renderFrame();
}

void renderFrame() {
    camera->setProjection(perspective(kFieldOfView, screenAspect, kNearPlane, kFarPlane));
    environment->setViewport(static_cast<float>(screenWidth), static_cast<float>(screenHeight));
    camera->selectView(kViewSlot);
    sky->setModelMatrix(translation(kSkyOffset));

    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, screenWidth, screenHeight);

    registry->use(kProgramName);
    glUniform1i(texture0Location, 0);
    glUniform1i(texture1Location, 1);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, noiseTexture0->textureId());
    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, noiseTexture1->textureId());

    sky->draw();
}
