#pragma once
// Register reads and writes as the parameter procedures send them: the request texts and the decoding
// of the replies, on top of the main window's transaction.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/link/ModbusFrame.h"
#include "core/procedures/Session.h"

inline constexpr std::uint16_t COIL_RESTART = 0x040F;
inline constexpr std::uint16_t COIL_ON = 0xFF00;

// "%02X%02X%04hX%04hX": slave, function, register, count or value.
std::string RegisterRequestText(std::uint8_t slave, std::uint8_t function, std::uint16_t reg, std::uint16_t value);
// Function 10h with one "%04hX" per word.
std::string WriteWordsText(std::uint8_t slave, std::uint16_t firstReg, std::span<const std::uint16_t> words);
// Function 10h with one "%08X" per 32-bit value (two registers each, high word first).
std::string WriteLongsText(std::uint8_t slave, std::uint16_t firstReg, std::span<const std::uint32_t> values);

// Reads `count` registers from the gateway: 0 with the words, or the transaction's result. A reply whose
// byte count or length does not match the request is shown as "Receive data error (PC)" and gives
// COMM_FAILED, so that a short reply is never taken for zero-valued registers.
int ReadHoldingRegisters(CSession& session, std::uint16_t firstReg, std::uint16_t count,
                         std::vector<std::uint16_t>& words);
// The same read from another slave than `GwSlaveAddress` (the RS485 SIO node of the register monitor).
int ReadHoldingRegistersFrom(CSession& session, std::uint8_t slave, std::uint16_t firstReg,
                             std::uint16_t count, std::vector<std::uint16_t>& words);
// Report Slave ID: 0 with the reply frame without its CRC (at least 8 bytes), or the transaction's
// result.
int ReportSlaveId(CSession& session, std::vector<std::uint8_t>& reply);
// Sends one write request (function 10h or 05h): 0, COMM_FAILED or COMM_BUSY.
int SendWrite(CSession& session, const std::string& requestText);
