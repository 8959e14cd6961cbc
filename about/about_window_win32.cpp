#include "about_window.h"

AboutWindow::AboutWindow(platform::Instance, int) {}
