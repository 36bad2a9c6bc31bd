#include "core/params/image/NetworkTypeTable.h"

extern const std::array<SNetworkType, NETWORK_TYPE_ENTRIES> NetworkTypeTable = {{
    {23, NTYP_PROFIBUS_DP, 0x2F},
    {24, NTYP_DEVICENET, 0x2F},
    {25, NTYP_CCLINK_V1, 0x2F},
    {25, NTYP_CCLINK_V2, 0x00},  // produced only by the CC-Link preparation
    {40, NTYP_RS485, 0x23},
    {183, NTYP_COMPONET, 0x2E},
    {184, NTYP_MECHATROLINK, 0x2E},
    {185, NTYP_ETHERCAT, 0x2E},
    {186, NTYP_ETHERNET_IP, 0x2F},
    {188, NTYP_PIO, 0x22},
    {187, NTYP_MECHATROLINK3, 0x10},
    {358, NTYP_PROFINET_IO, 0x2F},
    {390, NTYP_NONE, 0x20},
}};

bool IsCcLink(std::uint16_t ntyp) {
    return ntyp == NTYP_CCLINK_PLAIN || ntyp == NTYP_CCLINK_V1 || ntyp == NTYP_CCLINK_V2;
}

bool IsListedFor(const SNetworkType& entry, GwType type) {
    if (type == GW_KAVELIS) return (entry.listedFor & GW_KAVELIS) != 0;
    return (entry.listedFor & ~GW_KAVELIS & 0xFFFF) != 0;
}

std::vector<SNetworkType> ListedNetworkTypes(GwType type) {
    std::vector<SNetworkType> listed;
    for (const auto& entry : NetworkTypeTable)
        if (IsListedFor(entry, type)) listed.push_back(entry);
    return listed;
}

std::optional<int> ListedPositionOf(std::uint16_t ntyp, GwType type) {
    const std::uint16_t code = IsCcLink(ntyp) ? NTYP_CCLINK_V1 : ntyp;
    int position = 0;
    for (const auto& entry : NetworkTypeTable) {
        if (!IsListedFor(entry, type)) continue;
        if (entry.code == code) return position;
        ++position;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> NetworkCodeAtListed(int position, GwType type) {
    const auto listed = ListedNetworkTypes(type);
    if (position < 0 || position >= static_cast<int>(listed.size())) return std::nullopt;
    return listed[static_cast<std::size_t>(position)].code;
}

const SNetworkType* FindNetworkType(std::uint16_t ntyp) {
    const std::uint16_t code = ntyp == NTYP_CCLINK_PLAIN ? NTYP_CCLINK_V1 : ntyp;
    for (const auto& entry : NetworkTypeTable)
        if (entry.code == code) return &entry;
    return nullptr;
}

std::optional<SStationAddressDomain> StationAddressDomainOf(std::uint16_t ntyp) {
    if (IsCcLink(ntyp)) return SStationAddressDomain{1, 64};
    switch (ntyp) {
        case NTYP_PROFIBUS_DP:
            return SStationAddressDomain{1, 125};
        case NTYP_DEVICENET:
            return SStationAddressDomain{0, 63};
        case NTYP_COMPONET:
            return SStationAddressDomain{0, 63};
        case NTYP_MECHATROLINK:
            return SStationAddressDomain{97, 127};
        case NTYP_MECHATROLINK3:
            return SStationAddressDomain{3, 239};
        default:
            return std::nullopt;
    }
}
