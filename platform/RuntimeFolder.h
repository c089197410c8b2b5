// The runtime folder that Qt keeps for the program's session on Linux.
#pragma once

namespace horavela {

// Where the session names no runtime folder, Qt makes one under the temporary
// folder, at the filesystem root when that folder is missing; point Qt at the
// user's private folder instead. Run before the application object exists.
void useOwnRuntimeFolder();

} // namespace horavela
