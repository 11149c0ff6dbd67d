// The entries of a folder of the host system, for the maker's tool in the portable build: there,
// names are UTF-8 and letter case counts, so the tool matches the names of a block against the
// entries itself, as Windows would. The Windows build asks the system directly and needs no list.
#pragma once
#include <string>
#include <vector>

namespace platform {

struct FolderItem {
  std::string name;
  bool folder = false;
};

// opendir and readdir, without "." and ".."; a link counts as what it points to. False when the
// folder cannot be read.
bool ListFolder(const std::string& folder, std::vector<FolderItem>& items);

}  // namespace platform
