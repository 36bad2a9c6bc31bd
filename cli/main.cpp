// gwcli: the headless front end for scripted commissioning.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/console/CliMain.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return RunGwCli(words, stdout, stderr);
}
