#include "platform/FolderListing.h"

#include <dirent.h>
#include <sys/stat.h>

namespace platform {

bool ListFolder(const std::string& folder, std::vector<FolderItem>& items) {
  items.clear();
  DIR* ordner = ::opendir(folder.c_str());
  if (ordner == nullptr) return false;
  const std::string praefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  while (const dirent* eintrag = ::readdir(ordner)) {
    const std::string name = eintrag->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    const bool gefunden = ::stat((praefix + name).c_str(), &info) == 0;
    items.push_back({name, gefunden && S_ISDIR(info.st_mode)});
  }
  ::closedir(ordner);
  return true;
}

}  // namespace platform
