#include "cli/console/CliJson.h"

void PrintJson(const SCliOutput& output, const CliJson& document) {
    const std::string text = document.dump() + "\n";
    std::fputs(text.c_str(), output.out);
    std::fflush(output.out);
    if (output.documents != nullptr) ++*output.documents;
}
