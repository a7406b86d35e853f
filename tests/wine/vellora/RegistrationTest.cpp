// Registration of vellora.dll through the system's regsvr32: every key and
// value of the registration table, registering twice, removal, and a library
// path that contains a single quote. Each test restores the registration of
// the build's own library afterwards.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const wchar_t kClassKey[] = L"CLSID\\{CA03A5A8-9890-49BE-BA4A-8C524EB06441}";
const wchar_t kTypeLibKey[] = L"TypeLib\\{873448A4-C2E4-4A0F-9656-94DAE7439E58}";

std::wstring Widen(const char* s) {
  std::wstring w;
  for (; *s; ++s) w += static_cast<wchar_t>(*s);
  return w;
}

// The build's library, as a Windows path (its folder is a Unix path).
std::wstring BuildDll() {
  std::wstring p = L"Z:" + Widen(QM_VELLORA_DLL);
  for (auto& c : p) {
    if (c == L'/') c = L'\\';
  }
  return p;
}

DWORD Regsvr32(const std::wstring& args) {
  std::wstring cmd = L"regsvr32.exe /s " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    return 0xFFFFFFFF;
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

bool KeyExists(const std::wstring& path) {
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(k);
  return true;
}

// A string value; nullopt when the key or value is missing or not REG_SZ.
std::optional<std::wstring> Value(const std::wstring& path, const wchar_t* name = nullptr) {
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  wchar_t buf[1024];
  DWORD size = sizeof buf, type = 0;
  LONG rc = RegQueryValueExW(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
  RegCloseKey(k);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::wstring(buf, size / sizeof(wchar_t) - 1);
}

std::vector<std::wstring> Subkeys(const std::wstring& path) {
  std::vector<std::wstring> names;
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
    return names;
  }
  wchar_t buf[256];
  for (DWORD i = 0;; ++i) {
    DWORD len = 256;
    if (RegEnumKeyExW(k, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(buf, len);
  }
  RegCloseKey(k);
  return names;
}

void SetText(const std::wstring& path, const wchar_t* name, const wchar_t* text) {
  HKEY k = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0,
                                           KEY_WRITE, nullptr, &k, nullptr));
  RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
}

struct Expected {
  std::wstring key;
  const wchar_t* name;  // null: the default value
  std::wstring value;
};

void ExpectRegisteredAt(const std::wstring& dll) {
  const std::wstring cls = kClassKey;
  const Expected table[] = {
      {L"vellora.PrintCtl.1", nullptr, L"PrintCtl Class"},
      {L"vellora.PrintCtl.1\\CLSID", nullptr, L"{CA03A5A8-9890-49BE-BA4A-8C524EB06441}"},
      {L"vellora.PrintCtl", nullptr, L"PrintCtl Class"},
      {L"vellora.PrintCtl\\CLSID", nullptr, L"{CA03A5A8-9890-49BE-BA4A-8C524EB06441}"},
      {L"vellora.PrintCtl\\CurVer", nullptr, L"vellora.PrintCtl.1"},
      {cls, nullptr, L"PrintCtl Class"},
      {cls, L"AppID", L""},
      {cls + L"\\ProgID", nullptr, L"vellora.PrintCtl.1"},
      {cls + L"\\VersionIndependentProgID", nullptr, L"vellora.PrintCtl"},
      {cls + L"\\InprocServer32", nullptr, dll},
      {cls + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {cls + L"\\ToolboxBitmap32", nullptr, dll + L", 102"},
      {cls + L"\\MiscStatus", nullptr, L"0"},
      {cls + L"\\MiscStatus\\1", nullptr, L"132497"},
      {cls + L"\\TypeLib", nullptr, L"{873448A4-C2E4-4A0F-9656-94DAE7439E58}"},
      {cls + L"\\Version", nullptr, L"1.0"},
  };
  for (const auto& e : table) {
    EXPECT_EQ(std::optional<std::wstring>(e.value), Value(e.key, e.name))
        << std::string(e.key.begin(), e.key.end());
  }
  // Keys without a default value.
  for (const wchar_t* sub : {L"\\Programmable", L"\\Control"}) {
    EXPECT_TRUE(KeyExists(cls + sub));
    EXPECT_EQ(std::nullopt, Value(cls + sub));
  }
  std::vector<std::wstring> want = {L"Control", L"InprocServer32", L"MiscStatus",
                                    L"ProgID",  L"Programmable",   L"ToolboxBitmap32",
                                    L"TypeLib", L"Version",        L"VersionIndependentProgID"};
  auto have = Subkeys(cls);
  std::sort(have.begin(), have.end());
  EXPECT_EQ(want, have);
  // The type library, registered from the library's own file.
  const std::wstring tl = kTypeLibKey;
  EXPECT_EQ(std::optional<std::wstring>(dll), Value(tl + L"\\1.0\\0\\" QM_TLB_KIND));
  std::wstring folder = dll.substr(0, dll.find_last_of(L'\\') + 1);
  EXPECT_EQ(std::optional<std::wstring>(folder), Value(tl + L"\\1.0\\HELPDIR"));
}

void ExpectUnregistered() {
  EXPECT_TRUE(KeyExists(L"CLSID"));
  EXPECT_FALSE(KeyExists(kClassKey));
  EXPECT_FALSE(KeyExists(L"vellora.PrintCtl"));
  EXPECT_FALSE(KeyExists(L"vellora.PrintCtl.1"));
  EXPECT_FALSE(KeyExists(std::wstring(kTypeLibKey) + L"\\1.0"));
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    folder_ = std::wstring(tmp) + L"vellora it's here";
    CreateDirectoryW(folder_.c_str(), nullptr);
    dll_ = folder_ + L"\\vellora.dll";
    ASSERT_TRUE(CopyFileW(BuildDll().c_str(), dll_.c_str(), FALSE));
  }
  void TearDown() override {
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"vellora.PrintCtl\\Planted");
    Regsvr32(L"/u \"" + dll_ + L"\"");
    EXPECT_EQ(0u, Regsvr32(L"\"" + BuildDll() + L"\""));
    DeleteFileW(dll_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring folder_, dll_;
};

TEST_F(Registration, WritesTheTableTwiceOverAndTheQuotedPathUnchanged) {
  ASSERT_EQ(0u, Regsvr32(L"\"" + dll_ + L"\""));
  ExpectRegisteredAt(dll_);
  // Foreign content: under the class key it goes with the key (replaced
  // whole); under a ProgID key (opened, not replaced) it stays.
  SetText(std::wstring(kClassKey) + L"\\Planted", nullptr, L"x");
  SetText(kClassKey, L"Extra", L"y");
  SetText(L"vellora.PrintCtl\\Planted", nullptr, L"z");
  ASSERT_EQ(0u, Regsvr32(L"\"" + dll_ + L"\""));
  ExpectRegisteredAt(dll_);
  EXPECT_FALSE(KeyExists(std::wstring(kClassKey) + L"\\Planted"));
  EXPECT_EQ(std::nullopt, Value(kClassKey, L"Extra"));
  EXPECT_EQ(std::optional<std::wstring>(L"z"), Value(L"vellora.PrintCtl\\Planted"));
}

TEST_F(Registration, RemovalDeletesTheTableButKeepsClsid) {
  ASSERT_EQ(0u, Regsvr32(L"\"" + dll_ + L"\""));
  ASSERT_EQ(0u, Regsvr32(L"/u \"" + dll_ + L"\""));
  ExpectUnregistered();
}

TEST_F(Registration, RemovalStopsAtAKeyWithForeignSubkeys) {
  ASSERT_EQ(0u, Regsvr32(L"\"" + dll_ + L"\""));
  SetText(L"vellora.PrintCtl\\Planted", nullptr, L"z");
  EXPECT_NE(0u, Regsvr32(L"/u \"" + dll_ + L"\""));
  EXPECT_TRUE(KeyExists(L"vellora.PrintCtl"));
  // Deepest first: the ProgID's own subkeys went before the failure.
  EXPECT_FALSE(KeyExists(L"vellora.PrintCtl\\CLSID"));
  RegDeleteKeyW(HKEY_CLASSES_ROOT, L"vellora.PrintCtl\\Planted");
  ASSERT_EQ(0u, Regsvr32(L"/u \"" + dll_ + L"\""));
  ExpectUnregistered();
}

}  // namespace
