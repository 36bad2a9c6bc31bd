#pragma once
// The exporter's configuration file (YAML): the gateways to watch, each with its name, port, type,
// unit number, speed, extra labels and poll intervals:
//   gateways:
//     - name: press-1
//       port: COM3                # COM number, device path, or a tcp:// or rfc2217:// URL
//       type: VOSK
//       unit: 0                   # for the types that have unit numbers
//       baud: 115200              # optional: the settings file's speed otherwise
//       labels: {line: A}         # optional
//       intervals: {alarms: 10s, counters: 10s, hardware: 30s}   # optional
// A file that cannot be used is refused whole, with the file, the line and the reason.
#include <string>
#include <vector>

#include "core/fleet/FleetPlan.h"

struct SExporterConfig {
    std::vector<SGatewayPlan> gateways;
    std::string error;  // "FILE:LINE: reason" when the file was refused; empty otherwise
};

SExporterConfig LoadExporterConfig(const std::string& path);

// A port as the configuration names it: "COM3" and "3" are COM number 3; a text with a slash is a
// device path or a URL. 0 for a device path or URL, -1 for a text that is neither.
int ComNumberOfPortText(const std::string& text);
