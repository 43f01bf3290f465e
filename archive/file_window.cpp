// Cached, bounded reads over an archive file.
#include "archive/file_window.h"

#include <algorithm>

#include "platform/byte_cursor.h"
#include "platform/errors.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

constexpr size_t kSignatureSize = 4;
constexpr size_t kSignatureOverlap = 4;
// A cached rest shorter than this is read again with a whole block behind it.
constexpr size_t kMinUsefulRest = 64;

std::string SignatureBytes(uint32_t signature) {
  ByteWriter bytes;
  bytes.U32(signature);
  return std::string(bytes.Chars());
}

}  // namespace

FileWindow::FileWindow(FileStream& file, size_t blockSize)
    : file_(file), size_(file.Size()), blockSize_(std::max(blockSize, kMinUsefulRest * 2)) {}

std::string_view FileWindow::Read(int64_t position, size_t n) {
  if (position < 0 || position > size_ || n > static_cast<uint64_t>(size_ - position))
    throw StreamReadError();
  const int64_t bufferEnd = bufferStart_ + static_cast<int64_t>(buffer_.size());
  if (position < bufferStart_ || position + static_cast<int64_t>(n) > bufferEnd)
    Fill(position, std::max(n, blockSize_));
  if (n > buffer_.size())
    throw StreamReadError();
  return std::string_view(buffer_).substr(static_cast<size_t>(position - bufferStart_), n);
}

std::optional<int64_t> FileWindow::FindSignature(int64_t start, uint32_t signature) {
  const std::string wanted = SignatureBytes(signature);
  int64_t position = std::max<int64_t>(start, 0);
  while (position + static_cast<int64_t>(kSignatureSize) <= size_) {
    const std::string_view block = From(position);
    const size_t hit = block.find(wanted);
    if (hit != std::string_view::npos)
      return position + static_cast<int64_t>(hit);
    if (block.size() <= kSignatureOverlap || position + static_cast<int64_t>(block.size()) >= size_)
      return std::nullopt;
    position += static_cast<int64_t>(block.size() - kSignatureOverlap);
  }
  return std::nullopt;
}

std::string_view FileWindow::From(int64_t position) {
  const int64_t bufferEnd = bufferStart_ + static_cast<int64_t>(buffer_.size());
  const bool inside = position >= bufferStart_ && position < bufferEnd;
  if (!inside || (bufferEnd - position < static_cast<int64_t>(kMinUsefulRest) && bufferEnd < size_))
    Fill(position, blockSize_);
  return std::string_view(buffer_).substr(static_cast<size_t>(position - bufferStart_));
}

void FileWindow::Fill(int64_t position, size_t n) {
  const size_t wanted =
      static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(n), size_ - position));
  buffer_.resize(wanted);
  file_.Seek(position);
  buffer_.resize(file_.Read(buffer_.data(), wanted));
  bufferStart_ = position;
}

}  // namespace pw
