#include "core/procedures/SpecialParamsTransmit.h"

#include "core/app/MainWindowPrompts.h"
#include "core/procedures/WriteParameters.h"

void TransmitSpecialParamsIfModified(CSession& session) {
    if (!session.form.flags.specialParamsModified) return;
    if (AskTransmitNow(session.host)) {
        WriteParameters(session);
    } else {
        session.Refresh();
    }
}
