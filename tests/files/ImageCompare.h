#pragma once
// Comparing whole parameter images, for the tests and the fuzzer: a failed read must change nothing.
#include "core/params/image/ParameterImage.h"

// Every field of two images, so a test sees any change a failed read must not make.
inline bool SameImage(const ParameterImage& a, const ParameterImage& b) {
    return a.GwConfigBlock == b.GwConfigBlock && a.AxisMode == b.AxisMode && a.NetAddress == b.NetAddress &&
           a.UnitNo == b.UnitNo && a.TopAxisNo == b.TopAxisNo && a.MDRP == b.MDRP &&
           a.ModuleInfo == b.ModuleInfo && a.AxisModeMirror == b.AxisModeMirror &&
           a.ExtParam1 == b.ExtParam1 && a.ExtParam2 == b.ExtParam2 && a.ProfinetInfo == b.ProfinetInfo &&
           a.SlaveIdWord == b.SlaveIdWord && a.AxisCount == b.AxisCount && a.IoAxisCount == b.IoAxisCount &&
           a.OutBytes == b.OutBytes && a.InBytes == b.InBytes && a.DravoMode == b.DravoMode &&
           a.SlotCount == b.SlotCount && a.RecountPending == b.RecountPending &&
           a.GmodSnapshot == b.GmodSnapshot && a.NetAddressSnapshot == b.NetAddressSnapshot;
}

// An image whose every field holds a value no file loads, to show what a read changed.
inline ParameterImage SentinelImage() {
    ParameterImage image;
    image.GwConfigBlock.fill(0x1111);
    image.Word(NTYP) = 0x0025;
    image.AxisMode.fill(0x2222);
    image.NetAddress.fill(0x33333333);
    image.UnitNo = 0x44;
    image.TopAxisNo = 0x55;
    image.MDRP = 0x66666666;
    image.ModuleInfo.fill(0x7777);
    image.AxisModeMirror.fill(0x8888);
    image.ExtParam1 = 0x9999;
    image.ExtParam2 = 0xAAAA;
    image.ProfinetInfo.fill(0xBBBBBBBB);
    image.SlaveIdWord = 0xCCCCCCCC;
    image.AxisCount = 13;
    image.IoAxisCount = 14;
    image.OutBytes = 15;
    image.InBytes = 16;
    image.DravoMode = 2;
    image.SlotCount = 8;
    image.GmodSnapshot = 0xDDDD;
    image.NetAddressSnapshot.fill(0xEEEEEEEE);
    return image;
}
