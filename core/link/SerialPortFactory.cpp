#include "core/link/SerialPortFactory.h"

#include "core/link/Rfc2217Port.h"
#include "core/link/TcpPort.h"
#include "core/link/TermiosPort.h"

std::unique_ptr<CSerialPort> MakeSerialPort(const SPortAddress& address) {
    switch (address.kind) {
        case EPortKind::RawTcp:
            return std::make_unique<CTcpPort>(address);
        case EPortKind::Rfc2217:
            return std::make_unique<CRfc2217Port>(address);
        case EPortKind::Device:
            break;
    }
    return std::make_unique<CTermiosPort>();
}
