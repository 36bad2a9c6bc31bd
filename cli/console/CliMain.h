#pragma once
// The whole of gwcli behind its main: the command line in, the exit status out.
#include <cstdio>
#include <string>
#include <vector>

// `words` are the arguments after the program name.
int RunGwCli(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);
