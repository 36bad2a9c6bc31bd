#pragma once
// `gwparacfg --selftest TYPE`: the main window built for a type must show the parts of that type.
#include <string>
#include <vector>

#include "core/app/GwType.h"

class TGWParaCfgForm;

// What is wrong with the shown main window for `type`; empty when it is sound.
std::vector<std::string> SelfTestFindings(const TGWParaCfgForm& window, GwType type);
