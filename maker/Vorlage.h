// The maker's template: the block with its help lines, ready to fill in.
#pragma once
#include <string>

// In 1252 with LF line ends, as a text editor shows it; `anhaengen` turns it into CR LF.
std::string Vorlage();
