#pragma once
// Result codes of the serial link and of the Modbus transactions.

enum CommResult : int {
    COMM_OK = 0,
    COMM_FAILED = -1,          // failed and already reported; close of a closed link; failed speed change
    COMM_CLOSE_REFUSED = -2,   // the close reported an error (the port is closed all the same)
    COMM_OPEN_FAILED = 0x300,  // 768: the port could not be opened
    COMM_TIMEOUT = 0x301,      // 769: no complete reply within the response time-out
    COMM_RX_OVERFLOW = 0x302,  // 770: the reply would exceed 1024 bytes, or the driver lost input
    COMM_OVERRUN = 0x303,      // 771: character overrun
    COMM_FRAMING = 0x304,      // 772: framing error
    COMM_LINE_ERROR = 0x305,   // 773: any other line error, or a read that failed outright
    COMM_INCOMPLETE = 0x306,   // 774: the reply broke off before the length its header announced
    COMM_CRC_ERROR = 0x307,    // 775: the frame's CRC does not match
    COMM_BAD_REPLY = 0x308,    // 776: the reply does not answer the request
    COMM_STOPPED = 0x309,      // 777: the user asked to stop: the wait ended early, nothing more was sent
    COMM_BUSY = 0xFFF,         // 4095: the gateway answered exception 06 (slave device busy)
};
