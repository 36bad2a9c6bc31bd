#include "core/compare/ShownParameterFields.h"

#include "core/advanced/OptionRows.h"
#include "core/app/SilentHost.h"
#include "core/app/texts/CompareText.h"
#include "core/app/texts/UiText.h"
#include "core/compare/ShownAxisMode.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/edit/FieldEditRefresh.h"

namespace {

constexpr int TEXT_OUT = 21;
constexpr int TEXT_IN = 22;
constexpr int TEXT_MODE = 17;
constexpr int TEXT_EXTEND_CYCLIC = 15;
constexpr int TEXT_STATION_QNT = 29;
constexpr int TEXT_AXIS_RSV = 283;
constexpr int TEXT_IP_ADDRESS = 193;
constexpr int TEXT_UNIT_NO = 248;
constexpr int TEXT_TOP_AXIS = 249;
constexpr int TEXT_MULTI_DROP = 270;

std::string Reg(unsigned reg) {
    return FormatText("%04X", reg);
}

std::string Ui(int index) {
    return std::string(UiText[static_cast<std::size_t>(index)]);
}

std::string OrNotShown(const std::string& text) {
    return text.empty() ? std::string(CompareText::NOT_SHOWN) : text;
}

std::string OnOff(bool on) {
    return std::string(on ? CompareText::ON : CompareText::OFF);
}

class CFieldList {
public:
    void Add(std::string field, unsigned reg, const std::string& text) {
        fields_.push_back({std::move(field), Reg(reg), OrNotShown(text)});
    }
    std::vector<SShownField> Take() { return std::move(fields_); }

private:
    std::vector<SShownField> fields_;
};

void AddNetworkFields(CFieldList& list, const SMainFormState& f) {
    list.Add(f.lNTYP.text, REG_GW_CONFIG + NTYP, f.pnlNTYP.visible ? f.linpNTYP.text : f.cbNTYP.Selected());
    if (f.edDADR.visible) {
        list.Add(f.lDADR.text, REG_GW_CONFIG + DADR, f.edDADR.text);
    } else {
        list.Add(f.lDADR.text, REG_GW_CONFIG + DADR, f.cbDADR.visible ? f.cbDADR.Selected() : std::string());
    }
    list.Add(f.lDBPS.text, REG_GW_CONFIG + DBPS, f.cbDBPS.visible ? f.cbDBPS.Selected() : std::string());
    if (f.lDSZ.visible) list.Add(f.lDSZ.text, REG_GW_CONFIG + DSZO, f.cbDSZ.Selected());
    if (f.lTBPS.visible) list.Add(f.lTBPS.text, REG_GW_CONFIG + TBPS, f.cbTBPS.Selected());
}

void AddInformationRows(CFieldList& list, const SMainFormState& f) {
    const TextState* names[] = {&f.Label1, &f.Label2, &f.Label3};
    const TextState* values[] = {&f.Label12, &f.Label13, &f.Label14};
    for (int row = 0; row < 3; ++row) {
        const std::string& name = names[row]->text;
        if (name.empty()) continue;
        list.Add(name, InformationRowRegister(name, row), values[row]->text);
    }
}

void AddSlot(CFieldList& list, int slot, const SShownAxisMode& mode) {
    list.Add(AxisSlotCaption(slot), REG_AXIS_MODE + static_cast<unsigned>(slot), mode.name);
    list.Add(FormatText(UiText[TEXT_AXIS_RSV], slot), REG_AXIS_MODE + static_cast<unsigned>(slot),
             OnOff(mode.reserved));
}

// The slots the window lays out: one per grid row, or the slots of the drive units' panels.
void AddAxisSlots(CFieldList& list, const SMainFormState& f, GwType type) {
    switch (type) {
        case GW_DRAVO:
            for (const SDriveUnitPanel& unit : f.DriveUnits)
                for (const int slot : unit.slots) AddSlot(list, slot, ShownAxisMode(f, type, slot));
            break;
        case GW_VOSK_LC:
            break;
        default: {
            const GridState& grid = type == GW_VOSK_ML3 ? f.StringGrid2 : f.StringGrid1;
            for (int slot = 0; slot + 1 < grid.rowCount; ++slot) AddSlot(list, slot, ShownAxisMode(f, type, slot));
            break;
        }
    }
}

std::string DottedQuad(std::uint32_t address) {
    return FormatText("%u.%u.%u.%u", (address >> 24) & 0xFFu, (address >> 16) & 0xFFu, (address >> 8) & 0xFFu,
                      address & 0xFFu);
}

void AddUnitFields(CFieldList& list, const ParameterImage& image, GwType type) {
    if (type != GW_KAVELIS) {
        list.Add(Ui(TEXT_UNIT_NO), REG_UNIT_BLOCK, std::to_string(image.UnitNo));
        list.Add(Ui(TEXT_TOP_AXIS), REG_UNIT_BLOCK + 2, std::to_string(image.TopAxisNo));
        list.Add(Ui(TEXT_MULTI_DROP), REG_UNIT_BLOCK + 10, OnOff(image.MDRP == MDRP_ENABLED));
    }
    const unsigned first = type == GW_KAVELIS ? REG_KAV_NET_ADDRESS : REG_UNIT_BLOCK + 4;
    for (std::size_t i = 0; i < image.NetAddress.size(); ++i)
        list.Add(Ui(TEXT_IP_ADDRESS + static_cast<int>(i)), first + 2 * static_cast<unsigned>(i),
                 DottedQuad(image.NetAddress[i]));
}

unsigned OptionWordRegister(const std::string& page) {
    if (page == "ExtParam1") return REG_EXT_PARAM;
    if (page == "ExtParam2") return REG_EXT_PARAM + 1;
    return REG_GW_CONFIG + GMOD;
}

void AddOptionRows(CFieldList& list, const ParameterImage& image, const SMainFormState& f,
                   const SProgramValues& program) {
    // Opening the dialog may store its default retry count: it works on a copy.
    ParameterImage scratch = image;
    for (const SOptionRow& row : ShownOptionRows(scratch, program, f.cbW8N))
        list.Add(row.label, OptionWordRegister(row.page), row.choice);
}

}  // namespace

unsigned InformationRowRegister(const std::string& name, int row) {
    if (name == Ui(TEXT_MODE)) return REG_GW_CONFIG + NTYP;
    if (name == Ui(TEXT_EXTEND_CYCLIC)) return REG_GW_CONFIG + DSZI;
    if (name == Ui(TEXT_STATION_QNT)) return REG_GW_CONFIG + DBPS;
    if (name == Ui(TEXT_OUT)) return REG_GW_CONFIG + DSZO;
    if (name == Ui(TEXT_IN)) return REG_GW_CONFIG + DSZI;
    return REG_GW_CONFIG + (row == 0 ? DSZO : DSZI);
}

std::vector<SShownField> ShownParameterFields(const ParameterImage& image, const SMainFormState& laidOut,
                                              const SProgramValues& program) {
    ParameterImage shown = image;
    SMainFormState form = laidOut;
    // The counts follow the axis words, as after a read or an opened file.
    shown.RecountPending = true;
    CSilentHost host;
    RefreshAfterEdit(shown, form, program, host);

    CFieldList list;
    AddNetworkFields(list, form);
    AddInformationRows(list, form);
    AddAxisSlots(list, form, program.SelectedGwType);
    AddUnitFields(list, shown, program.SelectedGwType);
    AddOptionRows(list, shown, form, program);
    return list.Take();
}
