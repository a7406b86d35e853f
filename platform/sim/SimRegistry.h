#pragma once
// In-memory registry for native tests: case-insensitive keys and value names,
// string values kept as UTF-16 (as Windows does) and converted through the
// simulated code page for the ANSI calls, and scriptable failures.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SimCodePage.h"
#include "platform/Registry.h"

namespace sim {

enum class RegOp { Open, Create, Query, Set, DeleteValue, DeleteKey, Enum };

class SimRegistry : public plat::Registry {
 public:
  explicit SimRegistry(SimCodePage& cp);
  ~SimRegistry() override;

  long OpenKey(plat::HKey parent, std::string_view subkey, plat::Access access,
               plat::HKey& out) override;
  long CreateKey(plat::HKey parent, std::string_view subkey, plat::HKey& out) override;
  long CloseKey(plat::HKey key) override;
  long QueryValue(plat::HKey key, std::string_view name, std::uint32_t& type, std::string& data,
                  std::size_t capacity, std::size_t& needed) override;
  long SetValue(plat::HKey key, std::string_view name, std::uint32_t type,
                std::string_view data) override;
  long QueryValueW(plat::HKey key, std::u16string_view name, std::uint32_t& type,
                   std::u16string& data) override;
  long DeleteValue(plat::HKey key, std::string_view name) override;
  long DeleteKey(plat::HKey parent, std::string_view subkey) override;
  long EnumKey(plat::HKey key, std::uint32_t index, std::string& name,
               std::size_t capacity) override;

  // --- test helpers; paths are "HKCU\\Software\\..." style (root prefixes
  // HKCR, HKCU, HKLM) ---
  // Makes `op` fail with `error` on every key whose full path contains
  // `pathPart` (case-insensitive), `times` times (-1: always).
  void Fail(RegOp op, std::string pathPart, long error, int times = -1);
  void ClearFailures();
  bool KeyExists(std::string_view path) const;
  // ANSI text of a string value, nullopt when the key or value is missing.
  std::optional<std::string> Text(std::string_view path, std::string_view name) const;
  std::optional<std::uint32_t> Type(std::string_view path, std::string_view name) const;
  void PutText(std::string_view path, std::string_view name, std::string_view ansi,
               std::uint32_t type = plat::kRegSz);
  void PutTextW(std::string_view path, std::string_view name, std::u16string_view text,
                std::uint32_t type = plat::kRegSz);
  void PutDword(std::string_view path, std::string_view name, std::uint32_t v);
  std::vector<std::string> SubKeys(std::string_view path) const;
  std::vector<std::string> ValueNames(std::string_view path) const;
  std::size_t OpenHandles() const { return handles_.size(); }

  struct Node;

 private:
  struct Failure {
    RegOp op;
    std::string part;
    long error;
    int times;
  };
  Node* Resolve(plat::HKey key, std::string* path = nullptr) const;
  Node* Walk(std::string_view path, bool create, std::string* full = nullptr);
  const Node* Find(std::string_view path) const;
  long Injected(RegOp op, const std::string& path);
  plat::HKey NewHandle(const std::string& path);

  SimCodePage& cp_;
  std::unique_ptr<Node> roots_[3];
  std::map<plat::HKey, std::string> handles_;  // handle -> full path
  plat::HKey next_ = 0x1000;
  std::vector<Failure> failures_;
};

}  // namespace sim
