// Rebuilding an archive's directory from its local headers.
#pragma once

namespace pw {

class TZFDirManager;

// Makes one entry of every local header found from the start of the file on; CentralDirOffset
// becomes the file size and no stub applies. No local header at all: EZFException native 35;
// a name the index refuses: native 59; a name or extra field cut off by the end of the file:
// StreamReadError.
void RecoverDirectory(TZFDirManager& manager, bool oemFileNames);

}  // namespace pw
