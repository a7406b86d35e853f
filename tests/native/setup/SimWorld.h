#pragma once
// A simulated Windows for the installer's logic: every port over its sim
// adapter, ANSI code page 936, the installer in C:\src.
#include <string>

#include "Ports.h"
#include "SimCodePage.h"
#include "SimDialogs.h"
#include "SimFileSystem.h"
#include "SimPrivateProfile.h"
#include "SimProcesses.h"
#include "SimRegistry.h"
#include "SimResources.h"
#include "SimSystemInfo.h"
#include "SimXml.h"

namespace setup::testing {

struct SimWorld {
  sim::SimCodePage cp{936};
  sim::SimFileSystem fs;
  sim::SimPrivateProfile profile{fs, cp};
  sim::SimProcesses processes{fs};
  sim::SimDialogs dialogs;
  sim::SimResources resources;
  sim::SimSystemInfo system{fs};
  sim::SimRegistry registry{cp};
  sim::SimXmlParser xml{cp};
  Ports ports{cp, fs, profile, processes, dialogs, resources, system, registry, xml};

  SimWorld() {
    fs.MakeDirectory(u"C:\\src");
    fs.MakeDirectory(u"C:\\TEMP");
    fs.MakeDirectory(u"C:\\WINDOWS\\system32");
    fs.SetCurrentDirectory(u"C:\\src");
  }
};

// UTF-16LE bytes, with the byte-order mark when asked.
inline std::string Utf16Le(std::u16string_view s, bool bom = true) {
  std::string out = bom ? "\xFF\xFE" : "";
  for (char16_t c : s) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

inline std::string Utf16Be(std::u16string_view s) {
  std::string out = "\xFE\xFF";
  for (char16_t c : s) {
    out.push_back(static_cast<char>(c >> 8));
    out.push_back(static_cast<char>(c & 0xFF));
  }
  return out;
}

}  // namespace setup::testing
