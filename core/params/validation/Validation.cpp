#include "core/params/validation/Validation.h"

#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/ValidationChecks.h"
#include "core/params/validation/ValidationPreparation.h"

namespace {

bool HasSelection(const ComboState& combo) {
    return combo.index >= 0;
}

bool StationListNeeded(std::uint16_t ntyp) {
    return ntyp != NTYP_PROFINET_IO && ntyp != NTYP_ETHERNET_IP && ntyp != NTYP_ETHERCAT;
}

bool TypeCombosSelected(const SMainFormState& form, GwType type) {
    switch (type) {
        case GW_VOSK_LC:
            return HasSelection(form.cbTBPS);
        case GW_VOSK:
        case GW_NUB3GW:
            return HasSelection(form.cbW1N) && HasSelection(form.cbB4N);
        case GW_VOSK_ML3:
            return HasSelection(form.ComboBox1);
        case GW_KAVELIS:
            return HasSelection(form.cbW4N) && HasSelection(form.cbW8N) && HasSelection(form.cbW2N);
        default:
            return true;
    }
}

}  // namespace

int CheckCompleteness(const ParameterImage& image, const SMainFormState& form,
                      const SProgramValues& program) {
    const std::uint16_t ntyp = image.Word(NTYP);
    const bool complete = (!StationListNeeded(ntyp) || HasSelection(form.cbDADR)) &&
                          HasSelection(form.cbDBPS) && HasSelection(form.cbFINX) &&
                          TypeCombosSelected(form, program.SelectedGwType) &&
                          (ntyp != NTYP_MECHATROLINK3 || HasSelection(form.cbDSZ));
    return complete ? VALIDATION_OK : COMPLETENESS_MISSING;
}

int PrepareAndValidate(ParameterImage& image, SMainFormState& form, const SProgramValues& program) {
    if (int code = PrepareImage(image, form, program.SelectedGwType)) return code;
    return ValidateImage(image, program.SelectedGwType);
}
