// The part of the Windows registry the file association writes, behind an interface.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace pw {

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens each key of keyPath below HKEY_LOCAL_MACHINE in turn, creating it when missing,
  // and writes text as the last key's default value. Raises AssociationError at the first
  // key that cannot be opened, or when the write fails; no value is written then.
  virtual void WriteDefaultValue(const std::vector<std::u16string>& keyPath,
                                 const std::u16string& text) = 0;
};

#ifdef _WIN32
// The machine's own registry.
std::unique_ptr<Registry> SystemRegistry();
#endif

}  // namespace pw
