#include "core/compare/CompareCommands.h"

#include "core/compare/ComparisonSources.h"
#include "core/link/CommResult.h"

int CompareWithUnitCommand(CSession& session, const ShowCompareWindow& show) {
    ParameterImage unitImage;
    const int result = ReadUnitForComparison(session, unitImage);
    if (result != COMM_OK) return result;
    const auto differences = CompareParameterSets(session.image, unitImage, session.form, session.program);
    if (show(CreateCompareFormState(ECompareSource::Unit, differences)) && !differences.empty())
        TakeUnitParameterSet(session, unitImage);
    return COMM_OK;
}

int CompareWithFileCommand(SParameterFileContext& ctx, const ShowCompareWindow& show) {
    const auto path = AskParameterFilePath(ctx, EFileDialogKind::Open);
    if (!path) return -1;
    ParameterImage fileImage;
    if (LoadFileForComparison(*path, ctx.image, ctx.program.SelectedGwType, ctx.host, fileImage) != 0)
        return -1;
    const auto differences = CompareParameterSets(ctx.image, fileImage, ctx.form, ctx.program);
    if (show(CreateCompareFormState(ECompareSource::File, differences)) && !differences.empty())
        TakeFileParameterSet(ctx, *path, fileImage);
    return 0;
}
