#include "install/_subs.h"

#include "lib/_zq_Adresse_2.h"
#include "platform/ShellFolder.h"

std::string ProgName = "?";
std::string ZielOrt;
std::string ExePfad;
std::string Version = "19";
std::vector<TZQDateienInfo> Dateien(1);

namespace {

// A shell folder by its identifier. A failed lookup is not reported; its empty path goes through
// the backslash rule like any other.
std::string ShellOrdner(int ordner) {
  platform::ShellFolderItem eintrag;
  // The application's window does not exist when the folders are first asked for.
  eintrag.Locate(nullptr, ordner);
  return MitEndBackslash(eintrag.Path());
}

}  // namespace

std::string SpezialOrdner(const std::string& code) {
  if (code.size() != 1) return {};
  switch (code[0]) {
    case '1': return ShellOrdner(platform::kFolderCommonDesktopDirectory);
    case '2': return ShellOrdner(platform::kFolderCommonStartMenu);
    case '3': return ShellOrdner(platform::kFolderAppData) + "Microsoft\\Internet Explorer\\Quick Launch\\";
    case 'a': return ShellOrdner(platform::kFolderCommonAppData);
    case 'p': return ShellOrdner(platform::kFolderProgramFiles);
    case 'w': return MitEndBackslash(platform::WindowsFolder(255));
    default: return {};
  }
}
