// The component's construction, its compression settings and how it reports failures.
#include "archive/archiver.h"

#include "platform/file_stream.h"

namespace pw {
namespace {

constexpr uint8_t kMaxCompressionMode = 9;

}  // namespace

TZFBaseArchiver::TZFBaseArchiver(UserPrompts* prompts) : FPrompts(prompts) {}

TZFBaseArchiver::~TZFBaseArchiver() {
  CloseArchive();
}

void TZFBaseArchiver::SetCompressionLevel(TZFCompressionLevel level) {
  static constexpr uint8_t kModes[] = {0, 1, 6, 9};
  FCompressionLevel = level;
  FCompressionMode = kModes[static_cast<size_t>(level)];
}

void TZFBaseArchiver::SetCompressionMode(uint8_t mode) {
  if (mode > kMaxCompressionMode)
    Raise(zf_native::kInvalidCompressionMode);
  FCompressionMode = mode;
  FCompressionLevel = mode == 0   ? TZFCompressionLevel::None
                      : mode <= 3 ? TZFCompressionLevel::Fastest
                      : mode <= 6 ? TZFCompressionLevel::Normal
                                  : TZFCompressionLevel::Max;
}

uint16_t TZFBaseArchiver::CompressionMethod() const {
  return FCompressionMode == 0 ? zf::kMethodStored : zf::kMethodDeflate;
}

void TZFBaseArchiver::Raise(int nativeError, const std::vector<std::string>& args) const {
  throw EZFException(nativeError, Name, args);
}

TZFAction TZFBaseArchiver::ProcessFileFailure(const std::u16string& fileName,
                                              TZFProcessOperation operation,
                                              const EZFException& error) {
  if (!OnProcessFileFailure)
    return DefaultFailureDecision(FPrompts, error.NativeError, error.what());
  TZFAction action = TZFAction::Ignore;
  OnProcessFileFailure(*this, fileName, operation, error.NativeError, error.ErrorCode, error.what(),
                       action);
  return action;
}

}  // namespace pw
