#include "core/app/texts/MsgText.h"

// Slots not set here (33, 34, 79 and 87 onwards) are empty texts.
namespace {
constexpr std::array<std::string_view, MSG_TEXT_SLOTS> BuildMsgText() {
    std::array<std::string_view, MSG_TEXT_SLOTS> t{};
    t[0] = "Have any communication settings changed?";
    t[1] = "Are the parameters read from\n  the Gateway unit correct?";
    t[2] = "Reading the parameter from the Gateway unit was\n                  successful.";
    t[3] = "An illegal station number was specified.";
    t[4] = "disconnect";
    t[5] = "poll";
    t[6] = "The work written to the communication port failed.(PC)";
    t[7] = "Are the transmitted parameters correct?";
    t[8] = "Auto";
    t[9] = "Transmitting the parameter to the Gateway unit succeeded. ";
    t[10] = "      There is an omission.\nPlease check the data and try again.";
    t[11] = "Transmitting the parameter to the Gateway unit failed.";
    t[12] = "Are the communication setting correct?";
    t[13] = "Please execute the readingwork from the beginning again.";
    t[14] = "Is the Gateway unit reactivated?";
    t[15] =
        "       Please look over the parameters once \nbefore you transmit the parameters to the Gateway "
        "unit.";
    t[16] =
        "                   The Gateway Unit is AUTO mode now. \nThe transmission of the parameter is "
        "permissible only in the MANU mode.";
    t[17] = "      A file cannot be saved.\r\nPlease check the path to save once again.";
    t[18] = "  The specified file cannot be opened.";
    t[19] = "Please choose a file only one.";
    t[20] = "File open error";
    t[21] =
        "It defines as this software, and twists and parameter existence is recognized.\r\n   When you "
        "transmit this file, please use the software of a high version.";
    t[22] = "The data of a parameter is invalid.";
    t[23] =
        "The selected parameter file is created in a new format.\r\nWhen you transmit, please use the newest "
        "parameter configuration tool.";
    t[24] =
        "When a different network type is set up, \r\nit becomes a cause of fatal failure of a "
        "controller.\r\nMay I transmit?";
    t[25] =
        "The Point 2W mode, Solenoid1 mode, Solenoid2 mode, \r\nand Rsv mode cannot be used in this firmware "
        "version.\r\nBe careful when setting the parameters.";
    t[26] =
        "This KAVELIS Gateway Unit does not support 2W mode,\r\nand Rsv mode.\r\nPlease transmit again after "
        "adjusting these parameters.";
    t[27] = "The parameter from which a network type differs cannot be transmitted.";
    t[28] =
        "This KAVELIS Gateway Unit does not support Solenoid1 mode, \r\nand Solenoid2 mode. \r\nPlease "
        "transmit again after adjusting these parameters.";
    t[29] =
        "Please change the PIO pattern to the value corresponding to\r\nthe parameter setting in each axis.";
    t[30] =
        "This firmware version does not support Solenoid1 mode,\r\nand Solenoid2 mode.\r\nBe careful when "
        "setting the parameters.";
    t[31] =
        "This KAVELIS Gateway Unit does\r\nnot supporting changing unit velocity.\r\nPlease transmit again "
        "after changing unit velocity to 1.0mm/sec.";
    t[32] = "Count clear failed.";
    t[35] =
        "This KAVELIS Gateway Unit's parameters are not compatible with\r\nthis version of the KAVELIS "
        "configuration tool.\r\nPlease re-set parameters or use the newest parameter configuration tool.";
    t[36] =
        "You cannot chose both 4W, 8W mode and 2W mode.\r\nPlease transmit again after changing these "
        "parameters.";
    t[37] =
        "The KAVELIS Gateway Unit does not support\r\nchanging SERVO-ON/OFF in ERR_T,C occurred.\r\nPlease "
        "transmit again after adjusting these parameters.";
    t[38] =
        "The resolution of this display is set lower than 1024 by 768,\r\nso this application window may not "
        "display correctly.";
    t[39] =
        "The resolution of this display is set lower than 800 by 600,\r\nso this application window may not "
        "display correctly.";
    t[40] =
        "Parameters are modified. You need to transmit these parameters for them to become effective.\r\nDo "
        "you want to transmit parameters now?";
    t[41] = "Be careful, parameters will not be effective\r\nwithout transmitting them to the Gateway Unit.";
    t[42] =
        "Parameters are modified.\r\nDo you wish to exit this application without transmitting the changes "
        "(changes will be lost)?";
    t[43] =
        "The Gateway Unit is in AUTO mode. \nPlease change the Gateway Unit to MANU mode before clicking "
        "\"OK\".";
    t[44] =
        "Be careful, parameter \"Latch in ERR_T/C\" will be difference meen\r\nin the KAVELIS Gateway Unit.";
    t[45] =
        "The KAVELIS Gateway Unit does not support\r\nKAVELIS communication retry count.\r\nPlease transmit "
        "again after adjusting\r\nthis parameter to 0.";
    t[46] =
        "Be careful,parameter \"Latch after SERVO-OFF in ERR_T\" will be difference meen\r\nin the KAVELIS "
        "Gateway Unit.";
    t[47] = "Address Error\r\nPlease set under 65535.";
    t[48] = "Data Error    \r\n";
    t[49] = "Day Error   \r\n";
    t[50] = "TimeData transmit finish.\r\n";
    t[51] = "TimeData transmit failure\r\n";
    t[52] = "TimeData read failure\r\n";
    t[53] = "AlaramList read failure\r\n";
    t[54] = "Data read failure\r\n";
    t[55] = "Connecting...\r\n";
    t[56] = "Select GW Unit.\r\n";
    t[57] = "Nothing GW Unit\r\n";
    t[58] = "Finish AlarmList clear.";
    t[59] = "Failure AlarmList clear.";
    t[60] = "Limitation TimeSetting\r\nConfirm MANU mode.";
    t[61] = "TimeData Error";
    t[62] =
        "Operating system is not supported.\nLaunch \"Parameter Configuration Tool for Orvane GateWay Unit\" "
        "in one of the operating systems listed:\nWindows XP(32bit) SP2 or later\nWindows Vista\nWindows "
        "7\nWindows 8\nWindows 8.1";
    t[63] =
        "This operating system is not supported, so operation is not guaranteed.\nThe operating systems "
        "listed are supported:\nWindows XP(32bit) SP2 or later\nWindows Vista\nWindows 7\nWindows 8\nWindows "
        "8.1";
    t[64] = "Unsupported operating system";
    t[65] = "Prease check, when you reserve this axis";
    t[66] = "Illegal Data Value(%ls)\r\nPlease input %d-%d";
    t[67] = "Data write failure\r\n";
    t[68] = "It returns to a default value.";
    t[69] = "An illegal network type was specified.";
    t[70] = "An illegal data size was specified.";
    t[71] = "An illegal baud rate was specified.";
    t[72] = "An illegal operation mode was specified.";
    t[73] = "An illegal parameter was specified.";
    t[74] = "An illegal top axis number was specified.";
    t[75] = "An illegal unit number was specified.";
    t[76] = "Transmission is aborted.";
    t[77] = "Saving of a file is aborted.";
    t[78] = "An illegal station number was specified.";
    t[80] =
        "Please change the Operation pattern to the value corresponding to\r\nthe parameter setting in each "
        "axis.";
    t[81] = "If combination below is not followed, \r\nunexpected motion may occur.";
    t[82] = "*Maximum Position number will differ based on selected PIO pattern";
    t[83] = "This gateway version does not support Positioner Mode 5.\r\nTransmission was aborted.";
    t[84] = "An illegal TP port baud rate was specified.";
    t[85] = "Finished to save the alarm list.";
    t[86] = "Failed to save the alarm list.";
    return t;
}
}  // namespace

extern constexpr std::array<std::string_view, MSG_TEXT_SLOTS> MsgText = BuildMsgText();
