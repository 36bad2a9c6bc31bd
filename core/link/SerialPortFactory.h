#pragma once
// The port implementation a port name asks for: a local device, raw TCP or RFC 2217.
#include <memory>

#include "core/link/PortAddress.h"
#include "core/link/SerialPort.h"

std::unique_ptr<CSerialPort> MakeSerialPort(const SPortAddress& address);
