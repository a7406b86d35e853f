#include "SimRegistry.h"

#include <algorithm>
#include <cctype>

namespace sim {
using namespace plat;

namespace {
std::string Lower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}
struct NoCase {
  bool operator()(const std::string& a, const std::string& b) const { return Lower(a) < Lower(b); }
};
std::vector<std::string> Split(std::string_view path) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (c == '\\') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}
int RootIndex(std::string_view name) {
  std::string n = Lower(name);
  if (n == "hkcr" || n == "hkey_classes_root") return 0;
  if (n == "hkcu" || n == "hkey_current_user") return 1;
  if (n == "hklm" || n == "hkey_local_machine") return 2;
  return -1;
}
const char* kRootNames[3] = {"HKCR", "HKCU", "HKLM"};
}  // namespace

struct SimRegistry::Node {
  struct Value {
    std::string name;
    std::uint32_t type = kRegSz;
    std::u16string text;  // string types
    std::string bytes;    // other types
  };
  std::string name;
  std::map<std::string, std::unique_ptr<Node>, NoCase> children;
  std::map<std::string, Value, NoCase> values;
  std::vector<std::string> order;  // children in creation order, for EnumKey
};

SimRegistry::SimRegistry(SimCodePage& cp) : cp_(cp) {
  for (int i = 0; i < 3; ++i) {
    roots_[i] = std::make_unique<Node>();
    roots_[i]->name = kRootNames[i];
  }
}
SimRegistry::~SimRegistry() = default;

SimRegistry::Node* SimRegistry::Walk(std::string_view path, bool create, std::string* full) {
  auto parts = Split(path);
  if (parts.empty()) return nullptr;
  int r = RootIndex(parts[0]);
  if (r < 0) return nullptr;
  Node* n = roots_[r].get();
  std::string p = kRootNames[r];
  for (std::size_t i = 1; i < parts.size(); ++i) {
    auto it = n->children.find(parts[i]);
    if (it == n->children.end()) {
      if (!create) return nullptr;
      auto child = std::make_unique<Node>();
      child->name = parts[i];
      n->order.push_back(parts[i]);
      it = n->children.emplace(parts[i], std::move(child)).first;
    }
    n = it->second.get();
    p += "\\" + it->second->name;
  }
  if (full) *full = p;
  return n;
}

const SimRegistry::Node* SimRegistry::Find(std::string_view path) const {
  return const_cast<SimRegistry*>(this)->Walk(path, false);
}

SimRegistry::Node* SimRegistry::Resolve(HKey key, std::string* path) const {
  std::string p;
  if (key >= kClassesRoot && key <= kLocalMachine) {
    p = kRootNames[key - kClassesRoot];
  } else {
    auto it = handles_.find(key);
    if (it == handles_.end()) return nullptr;
    p = it->second;
  }
  if (path) *path = p;
  return const_cast<SimRegistry*>(this)->Walk(p, false);
}

long SimRegistry::Injected(RegOp op, const std::string& path) {
  std::string lp = Lower(path);
  for (auto& f : failures_) {
    if (f.op == op && f.times != 0 && lp.find(Lower(f.part)) != std::string::npos) {
      if (f.times > 0) --f.times;
      return f.error;
    }
  }
  return kErrSuccess;
}

HKey SimRegistry::NewHandle(const std::string& path) {
  HKey h = next_;
  next_ += 4;
  handles_[h] = path;
  return h;
}

long SimRegistry::OpenKey(HKey parent, std::string_view subkey, Access, HKey& out) {
  std::string base;
  if (!Resolve(parent, &base)) return kErrInvalidHandle;
  std::string want = subkey.empty() ? base : base + "\\" + std::string(subkey);
  if (long e = Injected(RegOp::Open, want)) return e;
  std::string full;
  if (!Walk(want, false, &full)) return kErrFileNotFound;
  out = NewHandle(full);
  return kErrSuccess;
}

long SimRegistry::CreateKey(HKey parent, std::string_view subkey, HKey& out) {
  std::string base;
  if (!Resolve(parent, &base)) return kErrInvalidHandle;
  std::string want = subkey.empty() ? base : base + "\\" + std::string(subkey);
  if (long e = Injected(RegOp::Create, want)) return e;
  std::string full;
  Walk(want, true, &full);
  out = NewHandle(full);
  return kErrSuccess;
}

long SimRegistry::CloseKey(HKey key) {
  if (key >= kClassesRoot && key <= kLocalMachine) return kErrSuccess;
  return handles_.erase(key) ? kErrSuccess : kErrInvalidHandle;
}

long SimRegistry::QueryValue(HKey key, std::string_view name, std::uint32_t& type,
                             std::string& data, std::size_t capacity, std::size_t& needed) {
  std::string path;
  Node* n = Resolve(key, &path);
  if (!n) return handles_.count(key) ? 1018 /* key deleted */ : kErrInvalidHandle;
  if (long e = Injected(RegOp::Query, path + "\\" + std::string(name))) return e;
  auto it = n->values.find(std::string(name));
  if (it == n->values.end()) return kErrFileNotFound;
  const auto& v = it->second;
  std::string bytes;
  if (v.type == kRegSz || v.type == kRegExpandSz) {
    bytes = cp_.FromUtf16(cp_.ThreadAnsiCodePage(), v.text).value_or(std::string());
    bytes.push_back('\0');
  } else {
    bytes = v.bytes;
  }
  type = v.type;
  needed = bytes.size();
  if (bytes.size() > capacity) return kErrMoreData;
  data = bytes;
  return kErrSuccess;
}

long SimRegistry::SetValue(HKey key, std::string_view name, std::uint32_t type,
                           std::string_view data) {
  std::string path;
  Node* n = Resolve(key, &path);
  if (!n) return kErrInvalidHandle;
  if (long e = Injected(RegOp::Set, path + "\\" + std::string(name))) return e;
  Node::Value v;
  v.name = std::string(name);
  v.type = type;
  if (type == kRegSz || type == kRegExpandSz) {
    std::string_view t = data;
    if (auto z = t.find('\0'); z != std::string_view::npos) t = t.substr(0, z);
    v.text = cp_.ToUtf16(cp_.ThreadAnsiCodePage(), t).value_or(std::u16string());
  } else {
    v.bytes = std::string(data);
  }
  n->values[v.name] = std::move(v);
  return kErrSuccess;
}

long SimRegistry::QueryValueW(HKey key, std::u16string_view name, std::uint32_t& type,
                              std::u16string& data) {
  std::string path;
  Node* n = Resolve(key, &path);
  if (!n) return kErrInvalidHandle;
  std::string aname = cp_.FromUtf16(kCpUtf8, name).value_or(std::string());
  if (long e = Injected(RegOp::Query, path + "\\" + aname)) return e;
  auto it = n->values.find(aname);
  if (it == n->values.end()) return kErrFileNotFound;
  type = it->second.type;
  if (type == kRegSz || type == kRegExpandSz)
    data = it->second.text;
  else
    data.clear();
  return kErrSuccess;
}

long SimRegistry::DeleteValue(HKey key, std::string_view name) {
  std::string path;
  Node* n = Resolve(key, &path);
  if (!n) return kErrInvalidHandle;
  if (long e = Injected(RegOp::DeleteValue, path + "\\" + std::string(name))) return e;
  return n->values.erase(std::string(name)) ? kErrSuccess : kErrFileNotFound;
}

long SimRegistry::DeleteKey(HKey parent, std::string_view subkey) {
  std::string base;
  if (!Resolve(parent, &base)) return kErrInvalidHandle;
  std::string want = base + "\\" + std::string(subkey);
  if (long e = Injected(RegOp::DeleteKey, want)) return e;
  auto parts = Split(want);
  std::string last = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (auto& p : parts) parentPath += (parentPath.empty() ? "" : "\\") + p;
  Node* pn = Walk(parentPath, false);
  if (!pn) return kErrFileNotFound;
  auto it = pn->children.find(last);
  if (it == pn->children.end()) return kErrFileNotFound;
  if (!it->second->children.empty()) return kErrAccessDenied;
  std::string lname = Lower(it->second->name);
  pn->order.erase(std::remove_if(pn->order.begin(), pn->order.end(),
                                 [&](const std::string& s) { return Lower(s) == lname; }),
                  pn->order.end());
  pn->children.erase(it);
  return kErrSuccess;
}

long SimRegistry::EnumKey(HKey key, std::uint32_t index, std::string& name, std::size_t capacity) {
  std::string path;
  Node* n = Resolve(key, &path);
  if (!n) return kErrInvalidHandle;
  if (long e = Injected(RegOp::Enum, path)) return e;
  if (index >= n->order.size()) return kErrNoMoreItems;
  const std::string& s = n->order[index];
  if (s.size() + 1 > capacity) return kErrMoreData;
  name = s;
  return kErrSuccess;
}

void SimRegistry::Fail(RegOp op, std::string pathPart, long error, int times) {
  failures_.push_back({op, std::move(pathPart), error, times});
}
void SimRegistry::ClearFailures() {
  failures_.clear();
}

bool SimRegistry::KeyExists(std::string_view path) const {
  return Find(path) != nullptr;
}

std::optional<std::string> SimRegistry::Text(std::string_view path, std::string_view name) const {
  const Node* n = Find(path);
  if (!n) return std::nullopt;
  auto it = n->values.find(std::string(name));
  if (it == n->values.end()) return std::nullopt;
  if (it->second.type != kRegSz && it->second.type != kRegExpandSz) return it->second.bytes;
  return cp_.FromUtf16(cp_.ThreadAnsiCodePage(), it->second.text);
}

std::optional<std::uint32_t> SimRegistry::Type(std::string_view path, std::string_view name) const {
  const Node* n = Find(path);
  if (!n) return std::nullopt;
  auto it = n->values.find(std::string(name));
  if (it == n->values.end()) return std::nullopt;
  return it->second.type;
}

void SimRegistry::PutText(std::string_view path, std::string_view name, std::string_view ansi,
                          std::uint32_t type) {
  PutTextW(path, name, cp_.ToUtf16(cp_.ThreadAnsiCodePage(), ansi).value_or(u""), type);
}

void SimRegistry::PutTextW(std::string_view path, std::string_view name, std::u16string_view text,
                           std::uint32_t type) {
  Node* n = Walk(path, true);
  Node::Value v;
  v.name = std::string(name);
  v.type = type;
  v.text = std::u16string(text);
  n->values[v.name] = std::move(v);
}

void SimRegistry::PutDword(std::string_view path, std::string_view name, std::uint32_t x) {
  Node* n = Walk(path, true);
  Node::Value v;
  v.name = std::string(name);
  v.type = kRegDword;
  v.bytes.assign(reinterpret_cast<const char*>(&x), 4);
  n->values[v.name] = std::move(v);
}

std::vector<std::string> SimRegistry::SubKeys(std::string_view path) const {
  const Node* n = Find(path);
  return n ? n->order : std::vector<std::string>{};
}

std::vector<std::string> SimRegistry::ValueNames(std::string_view path) const {
  std::vector<std::string> r;
  if (const Node* n = Find(path))
    for (auto& [k, v] : n->values) r.push_back(v.name);
  return r;
}

}  // namespace sim
