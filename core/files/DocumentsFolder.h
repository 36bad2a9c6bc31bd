#pragma once
// The user's documents folder, where the file dialogs start when the last folder is gone.
#include <string>

// From the two environment values (either may be null): $XDG_DOCUMENTS_DIR when it names an existing
// folder, else HOME/Documents when it exists, else HOME. Ends with '/'; empty when no folder is known.
std::string DocumentsFolderFrom(const char* xdgDocumentsDir, const char* home);

// The documents folder of this process (environment, then the password database's home folder).
std::string DocumentsFolder();
