#pragma once
#include "platform/FileSystem.h"

namespace win {

class Win32FileSystem : public plat::FileSystem {
 public:
  bool FileExists(std::u16string_view path) override;
  bool DirectoryExists(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  std::uint32_t WriteAll(std::u16string_view path, std::string_view bytes) override;
  bool CopyTo(std::u16string_view from, std::u16string_view to, bool failIfExists) override;
  std::u16string CurrentDirectory() override;
};

}  // namespace win
