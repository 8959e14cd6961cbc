#include "entry.h"

#include "about_window.h"
#include "screensaver_app.h"

int screensaverMain(platform::Instance instance, const char* commandLine, int showCommand) {
    theArgs = new ScreensaverArgs(commandLine);
    const ScreensaverMode mode = theArgs->mode;
    if ((mode == ScreensaverMode::Preview || mode == ScreensaverMode::None) && !platform::claimSingleInstance()) {
        return 0;
    }
    if (mode == ScreensaverMode::Configure) {
        AboutWindow about(instance, showCommand);
        return 0;
    }
    theApp = new ScreensaverApp(theArgs);
    theApp->run();
    return 0;
}
