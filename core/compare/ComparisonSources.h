#pragma once
// Where the second parameter set of a comparison comes from, the unit or a file, and how the window
// takes that set over. The window's own image is never changed until the user takes the other set.
#include <string>

#include "core/files/ParameterFileCommands.h"
#include "core/procedures/Session.h"

// Reads the connected unit into `unitImage` as the Read button reads it (port opened when closed, the
// gateway brought to the configured speed, every register block of the type), but without its
// question, its messages of success and its changes to the window. `unitImage` starts as a copy of the
// window's image, so words the type does not read stay equal. 0, or the cause of the failure (already
// reported), READ_REFUSED_BUSY while another exchange runs.
int ReadUnitForComparison(CSession& session, ParameterImage& unitImage);

// The unit's set replaces the window's, as after a successful read: caption, marks, snapshots, menus,
// and the display refresh.
void TakeUnitParameterSet(CSession& session, const ParameterImage& unitImage);

// Reads the parameter file at `path` into `fileImage` (a copy of the window's image first) through the
// file reader, with its messages: 0, or -1 after the reader's or the extension's message.
int LoadFileForComparison(const std::string& path, const ParameterImage& windowImage, GwType type,
                          HostServices& host, ParameterImage& fileImage);

// The file's set replaces the window's, as after opening the file.
void TakeFileParameterSet(SParameterFileContext& ctx, const std::string& path,
                          const ParameterImage& fileImage);
