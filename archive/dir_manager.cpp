// The directory manager's starting state.
#include "archive/dir_manager.h"

namespace pw {

TZFDirManager::TZFDirManager(FileStream& stream) : FCompressedStream(stream) {
  CentralDirEnd.signature = zf::kCentralDirEndSignature;
}

}  // namespace pw
