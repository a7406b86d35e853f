#pragma once
// The platform services the installer's logic runs on, bundled so that a
// program (or a test) wires them once.
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/PrivateProfile.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/SystemInfo.h"
#include "platform/Xml.h"

namespace setup {

struct Ports {
  plat::CodePage& codePage;
  plat::FileSystem& files;
  plat::PrivateProfile& profile;
  plat::Processes& processes;
  plat::Dialogs& dialogs;
  plat::Resources& resources;
  plat::SystemInfo& system;
  plat::Registry& registry;
  plat::XmlParser& xml;
};

}  // namespace setup
