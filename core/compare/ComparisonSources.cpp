#include "core/compare/ComparisonSources.h"

#include "core/app/texts/UiText.h"
#include "core/files/ParameterFileIo.h"
#include "core/files/ParameterFileReader.h"
#include "core/link/CommResult.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/procedures/ReadParameters.h"

namespace {

constexpr int UI_PROGRAM_TITLE = 0;

int ReadUnit(CSession& session, ParameterImage& unitImage) {
    if (int r = session.OpenPortIfClosed(); r != COMM_OK) return r;
    if (int r = session.SwitchSpeed(); r != COMM_OK) return r;
    return ReadParameterBlocks(session, unitImage);
}

}  // namespace

int ReadUnitForComparison(CSession& session, ParameterImage& unitImage) {
    if (session.form.flags.commBusy) return READ_REFUSED_BUSY;
    LockMainWindow(session, false);
    session.form.flags.commBusy = true;
    unitImage = session.image;
    const int result = ReadUnit(session, unitImage);
    if (result == COMM_OPEN_FAILED) ShowPortOpenError(session.host, session.link, MB_ICON_ERROR);
    session.form.flags.commBusy = false;
    session.host.SetProgress(0);
    LockMainWindow(session, true);
    return result;
}

void TakeUnitParameterSet(CSession& session, const ParameterImage& unitImage) {
    session.image = unitImage;
    session.form.caption = UiText[UI_PROGRAM_TITLE];
    AdoptReadParameters(session);
    session.Refresh();
}

int LoadFileForComparison(const std::string& path, const ParameterImage& windowImage, GwType type,
                          HostServices& host, ParameterImage& fileImage) {
    if (!HasTypeExtension(host, path, type)) return -1;
    fileImage = windowImage;
    return ReadParameterFile(path, type, fileImage, host) == PFILE_LOADED ? 0 : -1;
}

void TakeFileParameterSet(SParameterFileContext& ctx, const std::string& path,
                          const ParameterImage& fileImage) {
    ctx.image = fileImage;
    AdoptOpenedFile(ctx, path);
}
