#include <gtest/gtest.h>

#include <functional>

#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "core/params/validation/ValidationChecks.h"

namespace {

void SetSlots(ParameterImage& image, std::initializer_list<std::uint16_t> words) {
    image.AxisMode.fill(AXIS_NO_SLOT);
    std::size_t s = 0;
    for (auto word : words) image.AxisMode[s++] = word;
}

void SetCount(ParameterImage& image, int axes) {
    image.AxisCount = axes;
    image.Word(W4N) = static_cast<std::uint16_t>(axes);
}

// The smallest prepared image each type accepts.
ParameterImage AcceptedImage(GwType type) {
    ParameterImage image;
    image.Word(NTYP) = NTYP_PROFIBUS_DP;
    image.Word(DADR) = 1;
    image.Word(DSZO) = image.Word(DSZI) = 32;
    image.Word(TBPS) = 20;
    image.SlotCount = 6;
    switch (type) {
        case GW_KAVELIS:
            SetSlots(image, {0x0001});
            image.Word(W4N) = 1;
            break;
        case GW_VOSK:
            SetSlots(image, {0x0001, 0x0001});
            SetCount(image, 2);
            break;
        case GW_VOSK_ML3:
            image.Word(NTYP) = NTYP_MECHATROLINK3;
            image.Word(DADR) = 3;
            SetSlots(image, {0x0040, 0x8040});
            SetCount(image, 2);
            break;
        case GW_NUB3GW:
            SetSlots(image, {0x0000});
            SetCount(image, 1);
            break;
        case GW_DRAVO:
            image.DravoMode = 1;
            SetSlots(image, {0x0001, 0x0001});
            SetCount(image, 2);
            break;
        default:
            SetSlots(image, {});
            break;
    }
    return image;
}

constexpr GwType ALL_TYPES[] = {GW_KAVELIS, GW_VOSK, GW_VOSK_ML3, GW_NUB3GW, GW_DRAVO, GW_VOSK_LC};

TEST(ValidateImage, SmallestImagesPass) {
    for (GwType type : ALL_TYPES) {
        ParameterImage image = AcceptedImage(type);
        EXPECT_EQ(ValidateImage(image, type), VALIDATION_OK) << type;
    }
}

TEST(ValidateImage, UnknownGatewayTypeIsAnIllegalParameter) {
    for (GwType type : {GW_NONE, GwType{0x40}, GwType{0x03}}) {
        ParameterImage image = AcceptedImage(GW_VOSK);
        EXPECT_EQ(ValidateImage(image, type), VALIDATION_ILLEGAL_PARAMETER) << type;
    }
}

struct SCheck {
    const char* what;
    GwType type;
    std::function<void(ParameterImage&)> change;
    int code;
};

void PrintTo(const SCheck& c, std::ostream* os) {
    *os << c.what;
}

class Checks : public testing::TestWithParam<SCheck> {};

TEST_P(Checks, FirstFailingCheckGivesItsCode) {
    const auto& c = GetParam();
    ParameterImage image = AcceptedImage(c.type);
    c.change(image);
    EXPECT_EQ(ValidateImage(image, c.type), c.code);
}

void Ntyp(ParameterImage& i, std::uint16_t ntyp, std::uint16_t dadr) {
    i.Word(NTYP) = ntyp;
    i.Word(DADR) = dadr;
}

INSTANTIATE_TEST_SUITE_P(
    Network, Checks,
    testing::Values(SCheck{"unknown code", GW_VOSK, [](auto& i) { i.Word(NTYP) = 0x1234; },
                           VALIDATION_ILLEGAL_NETWORK},
                    SCheck{"unknown code KAVELIS", GW_KAVELIS, [](auto& i) { i.Word(NTYP) = 0x0000; },
                           VALIDATION_ILLEGAL_NETWORK},
                    SCheck{"unknown code VOSK-LC", GW_VOSK_LC, [](auto& i) { i.Word(NTYP) = 0xFFFF; },
                           VALIDATION_ILLEGAL_NETWORK},
                    SCheck{"CC-Link 0090h not derived", GW_NUB3GW,
                           [](auto& i) { i.Word(NTYP) = NTYP_CCLINK_PLAIN; }, VALIDATION_ILLEGAL_NETWORK}));

INSTANTIATE_TEST_SUITE_P(
    DataSize, Checks,
    testing::Values(
        SCheck{"VOSK 144 passes", GW_VOSK, [](auto& i) { i.Word(DSZO) = 144; }, VALIDATION_OK},
        SCheck{"VOSK 145", GW_VOSK, [](auto& i) { i.Word(DSZO) = 145; }, VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"KAVELIS 145", GW_KAVELIS, [](auto& i) { i.Word(DSZI) = 145; }, VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"NUB3 81", GW_NUB3GW, [](auto& i) { i.Word(DSZI) = 81; }, VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"DRAVO 113", GW_DRAVO, [](auto& i) { i.Word(DSZO) = 113; }, VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"MLIII 0xFFFF", GW_VOSK_ML3, [](auto& i) { i.Word(DSZO) = 0xFFFF; },
               VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"CC-Link extended 192", GW_VOSK,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V1, 1);
                   i.Word(DSZI) = 192;
                   i.Word(DSZO) = 999;
               },
               VALIDATION_OK},
        SCheck{"CC-Link extended 193", GW_VOSK,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V2, 1);
                   i.Word(DSZI) = 193;
               },
               VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"CC-Link sizes fitting no setting", GW_DRAVO,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V2, 1);
                   i.Word(DSZI) = 0xC0;
                   i.OutBytes = i.InBytes = 200;
               },
               VALIDATION_ILLEGAL_DATA_SIZE},
        SCheck{"VOSK-LC has no size check", GW_VOSK_LC, [](auto& i) { i.Word(DSZO) = 999; }, VALIDATION_OK}));

INSTANTIATE_TEST_SUITE_P(
    Station, Checks,
    testing::Values(
        SCheck{"PROFIBUS 0", GW_VOSK, [](auto& i) { i.Word(DADR) = 0; }, VALIDATION_ILLEGAL_STATION},
        SCheck{"PROFIBUS 125", GW_VOSK, [](auto& i) { i.Word(DADR) = 125; }, VALIDATION_OK},
        SCheck{"PROFIBUS 126", GW_KAVELIS, [](auto& i) { i.Word(DADR) = 126; }, VALIDATION_ILLEGAL_STATION},
        SCheck{"DeviceNet 0", GW_NUB3GW, [](auto& i) { Ntyp(i, NTYP_DEVICENET, 0); }, VALIDATION_OK},
        SCheck{"DeviceNet 64", GW_NUB3GW, [](auto& i) { Ntyp(i, NTYP_DEVICENET, 64); },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CompoNet 64", GW_VOSK_LC, [](auto& i) { Ntyp(i, NTYP_COMPONET, 64); },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"MECHATROLINK 96", GW_VOSK, [](auto& i) { Ntyp(i, NTYP_MECHATROLINK, 96); },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"MECHATROLINK 127", GW_VOSK, [](auto& i) { Ntyp(i, NTYP_MECHATROLINK, 127); }, VALIDATION_OK},
        SCheck{"MECHATROLINK III 2", GW_VOSK_ML3, [](auto& i) { i.Word(DADR) = 2; },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"MECHATROLINK III 240", GW_VOSK_ML3, [](auto& i) { i.Word(DADR) = 240; },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"EtherCAT 65535", GW_VOSK, [](auto& i) { Ntyp(i, NTYP_ETHERCAT, 65535); }, VALIDATION_OK},
        SCheck{"EtherNet/IP any", GW_DRAVO, [](auto& i) { Ntyp(i, NTYP_ETHERNET_IP, 999); }, VALIDATION_OK},
        SCheck{"CC-Link small sizes 61", GW_VOSK,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V1, 61);
                   i.Word(DSZI) = 0;
               },
               VALIDATION_OK},
        SCheck{"CC-Link small sizes 62", GW_VOSK,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V1, 62);
                   i.Word(DSZI) = 0;
               },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CC-Link 40 bytes 63", GW_VOSK,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V2, 63);
                   i.Word(DSZI) = 0x80;
                   i.OutBytes = i.InBytes = 40;
               },
               VALIDATION_OK},
        SCheck{"CC-Link 40 bytes 64", GW_VOSK,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V2, 64);
                   i.Word(DSZI) = 0x80;
                   i.OutBytes = i.InBytes = 40;
               },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CC-Link station 0", GW_NUB3GW, [](auto& i) { Ntyp(i, NTYP_CCLINK_V1, 0); },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CC-Link VOSK-LC 64", GW_VOSK_LC, [](auto& i) { Ntyp(i, NTYP_CCLINK_V1, 64); }, VALIDATION_OK},
        SCheck{"CC-Link VOSK-LC 65", GW_VOSK_LC, [](auto& i) { Ntyp(i, NTYP_CCLINK_V1, 65); },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CC-Link KAVELIS 2W FINX 7, 62", GW_KAVELIS,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V1, 62);
                   SetSlots(i, {0x0010});
                   i.Word(FINX) = 7;
               },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CC-Link KAVELIS 2W FINX 8, 63", GW_KAVELIS,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V2, 63);
                   SetSlots(i, {0x0010});
                   i.Word(FINX) = 8;
               },
               VALIDATION_OK},
        SCheck{"CC-Link KAVELIS FINX 3, 62", GW_KAVELIS,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V1, 62);
                   i.Word(FINX) = 3;
               },
               VALIDATION_ILLEGAL_STATION},
        SCheck{"CC-Link KAVELIS FINX 4, 64", GW_KAVELIS,
               [](auto& i) {
                   Ntyp(i, NTYP_CCLINK_V2, 64);
                   i.Word(FINX) = 4;
               },
               VALIDATION_ILLEGAL_STATION}));

INSTANTIATE_TEST_SUITE_P(
    Baud, Checks,
    testing::Values(SCheck{"CC-Link index 4", GW_VOSK,
                           [](auto& i) {
                               Ntyp(i, NTYP_CCLINK_V1, 1);
                               i.Word(DSZI) = 0;
                               i.Word(DBPS) = 0x34;
                           },
                           VALIDATION_OK},
                    SCheck{"CC-Link index 5", GW_VOSK,
                           [](auto& i) {
                               Ntyp(i, NTYP_CCLINK_V1, 1);
                               i.Word(DSZI) = 0;
                               i.Word(DBPS) = 0x35;
                           },
                           VALIDATION_ILLEGAL_BAUD},
                    SCheck{"RS485 21", GW_VOSK_LC,
                           [](auto& i) {
                               Ntyp(i, NTYP_RS485, 63);
                               i.Word(DBPS) = 21;
                           },
                           VALIDATION_OK},
                    SCheck{"RS485 7", GW_KAVELIS,
                           [](auto& i) {
                               Ntyp(i, NTYP_RS485, 63);
                               i.Word(DBPS) = 7;
                           },
                           VALIDATION_ILLEGAL_BAUD},
                    SCheck{"PROFIBUS any", GW_VOSK, [](auto& i) { i.Word(DBPS) = 99; }, VALIDATION_OK},
                    SCheck{"VOSK-LC TP port code", GW_VOSK_LC, [](auto& i) { i.Word(TBPS) = 7; },
                           VALIDATION_ILLEGAL_TP_BAUD},
                    SCheck{"VOSK-LC TP port 230400", GW_VOSK_LC, [](auto& i) { i.Word(TBPS) = 21; },
                           VALIDATION_OK}));

INSTANTIATE_TEST_SUITE_P(
    Unit, Checks,
    testing::Values(
        SCheck{"VOSK unit 2", GW_VOSK, [](auto& i) { i.UnitNo = 2; }, VALIDATION_ILLEGAL_UNIT_NO},
        SCheck{"DRAVO unit 9", GW_DRAVO, [](auto& i) { i.UnitNo = 9; }, VALIDATION_ILLEGAL_UNIT_NO},
        SCheck{"VOSK-LC unit 1", GW_VOSK_LC, [](auto& i) { i.UnitNo = 1; }, VALIDATION_OK},
        SCheck{"MLIII top axis odd", GW_VOSK_ML3, [](auto& i) { i.TopAxisNo = 3; },
               VALIDATION_ILLEGAL_TOP_AXIS},
        SCheck{"VOSK top axis 16", GW_VOSK, [](auto& i) { i.TopAxisNo = 16; }, VALIDATION_ILLEGAL_TOP_AXIS},
        SCheck{"VOSK top axis 14", GW_VOSK, [](auto& i) { i.TopAxisNo = 14; }, VALIDATION_OK},
        SCheck{"NUB3 has no unit check", GW_NUB3GW, [](auto& i) { i.UnitNo = 5; }, VALIDATION_OK},
        SCheck{"KAVELIS has no unit check", GW_KAVELIS, [](auto& i) { i.TopAxisNo = 5; }, VALIDATION_OK}));

void Kavelis(ParameterImage& image, std::initializer_list<std::uint16_t> words, int w4n, int w8n = 0) {
    SetSlots(image, words);
    image.Word(W4N) = static_cast<std::uint16_t>(w4n);
    image.Word(W8N) = static_cast<std::uint16_t>(w8n);
}

INSTANTIATE_TEST_SUITE_P(
    KavelisAxes, Checks,
    testing::Values(SCheck{"2W then 4W", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0010, 0x0001}, 2);
                           },
                           VALIDATION_MIXED_2W_4W},
                    SCheck{"4W then 2W", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x8000, 0x0003, 0x0004, 0x8012}, 1, 1);
                           },
                           VALIDATION_MIXED_2W_4W},
                    SCheck{"2W only", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0010, 0x8011, 0x0012}, 3);
                           },
                           VALIDATION_OK},
                    SCheck{"first group and a Full axis", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0001, 0x8003, 0x0004}, 1, 1);
                           },
                           VALIDATION_OK},
                    SCheck{"4W after Full", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0001, 0x0003, 0x0004, 0x0000}, 2, 1);
                           },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"empty slot after Full", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0001, 0x0003, 0x0004, 0x3FFF}, 2, 1);
                           },
                           VALIDATION_OMISSION},
                    SCheck{"empty 2W slot", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0010, 0x4FFF}, 2);
                           },
                           VALIDATION_OMISSION},
                    SCheck{"gap", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0001, 0xFFFF, 0x0001}, 2);
                           },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"unknown word", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0001, 0x1234}, 2);
                           },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"VOSK mode", GW_KAVELIS, [](auto& i) { Kavelis(i, {0x0020}, 1); },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"not-set filler", GW_KAVELIS, [](auto& i) { Kavelis(i, {0x5FFF}, 1); },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"counts short of the slots", GW_KAVELIS,
                           [](auto& i) {
                               Kavelis(i, {0x0001, 0x0000}, 1);
                           },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"counts beyond the slots", GW_KAVELIS, [](auto& i) { Kavelis(i, {0x0001}, 1, 1); },
                           VALIDATION_ILLEGAL_MODE},
                    SCheck{"no axes", GW_KAVELIS, [](auto& i) { Kavelis(i, {}, 0); }, VALIDATION_OK}));

INSTANTIATE_TEST_SUITE_P(VoskAxes, Checks,
                         testing::Values(SCheck{"TEV I/O pairs", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0030, 0x8030, 0x0030, 0x0030});
                                                    SetCount(i, 4);
                                                },
                                                VALIDATION_OK},
                                         SCheck{"TEV I/O mixed", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0030, 0x0001});
                                                },
                                                VALIDATION_MIXED_IO_MODE},
                                         SCheck{"I/O after a mode", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0001, 0x0001, 0x0030, 0x0030});
                                                    SetCount(i, 4);
                                                },
                                                VALIDATION_MIXED_IO_MODE},
                                         SCheck{"servo mixed", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0040, 0x0030});
                                                },
                                                VALIDATION_MIXED_IO_MODE},
                                         SCheck{"pair 0010 / 8010", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0010, 0x8010});
                                                },
                                                VALIDATION_OK},
                                         SCheck{"pair 0010 / 0020", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0010, 0x0020});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"pair not set", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x5FFF, 0x5FFF});
                                                },
                                                VALIDATION_OMISSION},
                                         SCheck{"pair not set alt", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x6FFF, 0x6FFF});
                                                },
                                                VALIDATION_OMISSION},
                                         SCheck{"gap between pairs", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0001, 0x0001, 0xFFFF, 0xFFFF, 0x0001});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"W4N beyond the pairs", GW_VOSK,
                                                [](auto& i) { i.Word(W4N) = 4; }, VALIDATION_ILLEGAL_MODE},
                                         SCheck{"more than eight slots", GW_VOSK,
                                                [](auto& i) {
                                                    i.AxisMode.fill(0x0001);
                                                    SetCount(i, 10);
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"unknown word pair", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x1234, 0x1234});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"RemoteI/O is no VOSK mode", GW_VOSK,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0031, 0x0031});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"MLIII servo mixed", GW_VOSK_ML3,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0040, 0x0001});
                                                },
                                                VALIDATION_MIXED_IO_MODE},
                                         SCheck{"MLIII pair differs", GW_VOSK_ML3,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0040, 0x0041});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"MLIII non-servo pair", GW_VOSK_ML3,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0001, 0x0001});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"MLIII not set", GW_VOSK_ML3,
                                                [](auto& i) {
                                                    SetSlots(i, {0x5FFF, 0x5FFF});
                                                },
                                                VALIDATION_OMISSION}));

INSTANTIATE_TEST_SUITE_P(
    Nub3Axes, Checks,
    testing::Values(
        SCheck{"RemoteI/O all", GW_NUB3GW,
               [](auto& i) {
                   SetSlots(i, {0x0031, 0x8031});
                   SetCount(i, 2);
               },
               VALIDATION_OK},
        SCheck{"RemoteI/O then mode", GW_NUB3GW,
               [](auto& i) {
                   SetSlots(i, {0x0031, 0x0000});
                   SetCount(i, 2);
               },
               VALIDATION_MIXED_IO_MODE},
        SCheck{"mode then RemoteI/O", GW_NUB3GW,
               [](auto& i) {
                   SetSlots(i, {0x0000, 0x8031});
                   SetCount(i, 2);
               },
               VALIDATION_MIXED_IO_MODE},
        SCheck{"not set", GW_NUB3GW, [](auto& i) { SetSlots(i, {0x5FFF}); }, VALIDATION_OMISSION},
        SCheck{"W4N beyond the slots", GW_NUB3GW, [](auto& i) { i.Word(W4N) = 2; }, VALIDATION_ILLEGAL_MODE},
        SCheck{"fifth slot", GW_NUB3GW,
               [](auto& i) {
                   SetSlots(i, {0x0000, 0x0000, 0x0000, 0x0000, 0x0000});
                   SetCount(i, 4);
               },
               VALIDATION_ILLEGAL_MODE},
        SCheck{"unknown word", GW_NUB3GW, [](auto& i) { SetSlots(i, {0x1234}); }, VALIDATION_ILLEGAL_MODE},
        SCheck{"TEV I/O is no NUB3 mode", GW_NUB3GW, [](auto& i) { SetSlots(i, {0x0030}); },
               VALIDATION_ILLEGAL_MODE}));

INSTANTIATE_TEST_SUITE_P(DravoAxes, Checks,
                         testing::Values(SCheck{"slots differ", GW_DRAVO,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0001, 0x0010});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"RemoteI/O in direct mode", GW_DRAVO,
                                                [](auto& i) {
                                                    SetSlots(i, {0x0031, 0x0031});
                                                },
                                                VALIDATION_ILLEGAL_MODE},
                                         SCheck{"W4N over the slot count", GW_DRAVO,
                                                [](auto& i) { i.Word(W4N) = 7; }, VALIDATION_ILLEGAL_MODE},
                                         SCheck{"reserved slots", GW_DRAVO,
                                                [](auto& i) {
                                                    SetSlots(i, {0x8005, 0x8005});
                                                },
                                                VALIDATION_OK}));

TEST(ValidateImage, TpPortCodeOutsideTheListBecomes115200) {
    ParameterImage image = AcceptedImage(GW_DRAVO);
    image.Word(TBPS) = 256;
    EXPECT_EQ(ValidateImage(image, GW_DRAVO), VALIDATION_OK);
    EXPECT_EQ(image.Word(TBPS), 20);
}

TEST(ValidateImage, MultiDropOtherThanDropIsSentAsZeroOnceEverythingPassed) {
    for (GwType type : {GW_VOSK, GW_VOSK_ML3, GW_NUB3GW, GW_DRAVO, GW_VOSK_LC}) {
        ParameterImage image = AcceptedImage(type);
        image.MDRP = 0x12345678;
        EXPECT_EQ(ValidateImage(image, type), VALIDATION_OK);
        EXPECT_EQ(image.MDRP, 0u) << type;
        image.MDRP = MDRP_ENABLED;
        EXPECT_EQ(ValidateImage(image, type), VALIDATION_OK);
        EXPECT_EQ(image.MDRP, MDRP_ENABLED) << type;
    }
    ParameterImage refused = AcceptedImage(GW_VOSK);
    refused.MDRP = 0x12345678;
    refused.UnitNo = 3;
    EXPECT_EQ(ValidateImage(refused, GW_VOSK), VALIDATION_ILLEGAL_UNIT_NO);
    EXPECT_EQ(refused.MDRP, 0x12345678u);
}

}  // namespace
