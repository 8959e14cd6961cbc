#include <string>

#include "entry.h"

// The switches arrive as separate arguments; joined with blanks they are the
// command-line text that the Windows entry point receives.
int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return screensaverMain(nullptr, commandLine.c_str(), 1);
}
