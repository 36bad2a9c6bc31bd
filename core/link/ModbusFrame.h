#pragma once
// The shape of a Modbus RTU frame as the gateway's line carries it: the function codes the tool sends,
// the exception bit and the sizes of the parts every reply is made of.
#include <cstddef>
#include <cstdint>

inline constexpr std::uint8_t FN_READ_COILS = 0x01;
inline constexpr std::uint8_t FN_READ_DISCRETE_INPUTS = 0x02;
inline constexpr std::uint8_t FN_READ_HOLDING = 0x03;
inline constexpr std::uint8_t FN_READ_INPUT = 0x04;
inline constexpr std::uint8_t FN_WRITE_COIL = 0x05;
inline constexpr std::uint8_t FN_WRITE_REGISTER = 0x06;
inline constexpr std::uint8_t FN_WRITE_COILS = 0x0F;
inline constexpr std::uint8_t FN_WRITE_MULTIPLE = 0x10;
inline constexpr std::uint8_t FN_REPORT_SLAVE_ID = 0x11;
inline constexpr std::uint8_t FN_VENDOR = 0x45;
// No function the gateway knows lies above its vendor function.
inline constexpr std::uint8_t HIGHEST_FUNCTION = FN_VENDOR;

// An exception reply carries the function asked for with this bit set.
inline constexpr std::uint8_t EXCEPTION_BIT = 0x80;

inline constexpr std::size_t CRC_BYTES = 2;
// Address, function, one byte and the CRC: no reply of the gateway is shorter.
inline constexpr std::size_t SHORTEST_FRAME = 5;
// Address, function and byte count before a read's or Report Slave ID's data.
inline constexpr std::size_t COUNTED_REPLY_HEADER = 3;
// Address, function, exception code, CRC.
inline constexpr std::size_t EXCEPTION_FRAME = 5;
// Address, function, the echoed address and value (or quantity), CRC: the reply to a write.
inline constexpr std::size_t WRITE_REPLY_FRAME = 8;
// Where a write's reply echoes its request: address (or first register) and value (or quantity).
inline constexpr std::size_t WRITE_ECHO_OFFSET = 2;
inline constexpr std::size_t WRITE_ECHO_BYTES = 4;
// Address, 45h, status, CRC: the reply to a vendor command as some units send it; others add the
// sub-function asked for before the CRC.
inline constexpr std::size_t VENDOR_REPLY_SHORT_FRAME = 5;
inline constexpr std::size_t VENDOR_REPLY_FRAME = 6;
inline constexpr std::size_t VENDOR_STATUS_OFFSET = 2;
inline constexpr std::size_t VENDOR_SUB_FUNCTION_OFFSET = 3;
// A Report Slave ID reply carries at least the slave ID, the run indicator and three data bytes.
inline constexpr std::size_t SLAVE_ID_DATA_MIN = 5;
