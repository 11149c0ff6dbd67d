#include "install/_subs.h"

std::string ProgName = "?";
std::string ZielOrt;
std::string ExePfad;
std::string Version = "19";
std::vector<TZQDateienInfo> Dateien(1);
