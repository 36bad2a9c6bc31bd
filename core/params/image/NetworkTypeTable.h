#pragma once
// The fieldbus networks the gateway can couple to, in the order `cbNTYP` lists them, and the station
// address each network takes.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/app/GwType.h"

// `NTYP` codes.
inline constexpr std::uint16_t NTYP_PROFIBUS_DP = 0x0005;
inline constexpr std::uint16_t NTYP_DEVICENET = 0x0025;
inline constexpr std::uint16_t NTYP_CCLINK_PLAIN = 0x0090;  // CC-Link as some units report it
inline constexpr std::uint16_t NTYP_CCLINK_V1 = 0xFF90;
inline constexpr std::uint16_t NTYP_CCLINK_V2 = 0xFF91;
inline constexpr std::uint16_t NTYP_RS485 = 0xF485;
inline constexpr std::uint16_t NTYP_COMPONET = 0xFF40;
inline constexpr std::uint16_t NTYP_MECHATROLINK = 0xFF50;
inline constexpr std::uint16_t NTYP_ETHERCAT = 0x0087;
inline constexpr std::uint16_t NTYP_ETHERNET_IP = 0x0085;
inline constexpr std::uint16_t NTYP_PIO = 0xFAA0;
inline constexpr std::uint16_t NTYP_MECHATROLINK3 = 0xFF51;
inline constexpr std::uint16_t NTYP_PROFINET_IO = 0x0084;
inline constexpr std::uint16_t NTYP_NONE = 0x8000;

struct SNetworkType {
    int textIndex;       // UiText index of the network's name
    std::uint16_t code;  // `NTYP`
    GwType listedFor;    // gateway types whose `cbNTYP` lists it
};

inline constexpr std::size_t NETWORK_TYPE_ENTRIES = 13;
extern const std::array<SNetworkType, NETWORK_TYPE_ENTRIES> NetworkTypeTable;

// CC-Link in any of its three codes (0090h, FF90h, FF91h).
bool IsCcLink(std::uint16_t ntyp);

// Whether `cbNTYP` lists the entry for the gateway type: KAVELIS lists the entries offered to KAVELIS,
// every other type the entries offered to any type other than KAVELIS.
bool IsListedFor(const SNetworkType& entry, GwType type);

// The table entries `cbNTYP` lists for the type, in table order.
std::vector<SNetworkType> ListedNetworkTypes(GwType type);

// The `cbNTYP` position of a network code for the type (every CC-Link code at the CC-Link entry);
// nothing when the type does not list the network.
std::optional<int> ListedPositionOf(std::uint16_t ntyp, GwType type);

// The code of the n-th listed entry; nothing when n is outside the list.
std::optional<std::uint16_t> NetworkCodeAtListed(int position, GwType type);

// The table entry of a code (CC-Link 0090h at the FF90h entry); nullptr for an illegal network type.
const SNetworkType* FindNetworkType(std::uint16_t ntyp);

// Station addresses offered in `cbDADR`: `DADR` = list index + first.
struct SStationAddressDomain {
    int first;
    int last;
};

// The list domain of a network; nothing for EtherCAT (typed into `edDADR`) and for networks without a
// station address.
std::optional<SStationAddressDomain> StationAddressDomainOf(std::uint16_t ntyp);

// EtherCAT station addresses, typed into `edDADR`.
inline constexpr int ETHERCAT_ADDRESS_MAX = 65535;
