// The Windows registry under HKEY_LOCAL_MACHINE, with the rights of the user who runs us.
#ifdef _WIN32
#include <windows.h>

#include "desktop/association_error.h"
#include "desktop/registry.h"

namespace pw {
namespace {

class Win32Registry : public Registry {
 public:
  void WriteDefaultValue(const std::vector<std::u16string>& keyPath,
                         const std::u16string& text) override {
    HKEY current = HKEY_LOCAL_MACHINE;
    for (const std::u16string& name : keyPath) {
      HKEY next = nullptr;
      const LONG status =
          RegCreateKeyExW(current, reinterpret_cast<LPCWSTR>(name.c_str()), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &next, nullptr);
      if (current != HKEY_LOCAL_MACHINE)
        RegCloseKey(current);
      if (status != ERROR_SUCCESS)
        throw AssociationError();
      current = next;
    }
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(char16_t));
    const LONG status = RegSetValueExW(current, nullptr, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    RegCloseKey(current);
    if (status != ERROR_SUCCESS)
      throw AssociationError();
  }
};

}  // namespace

std::unique_ptr<Registry> SystemRegistry() {
  return std::make_unique<Win32Registry>();
}

}  // namespace pw
#endif
