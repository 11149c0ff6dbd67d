// Reads a stretch of a file's bytes, also of a file that another process holds open.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Copies up to `anzahl` bytes from 1-based `position` of the file into elements 1 to n of `daten`;
// element 0 keeps its value. Returns n, the array's last index. Never fails: a file that cannot be
// read gives 0 and an array of element 0 alone.
std::int64_t DateiBytesLesen(const std::wstring& dateiName, std::vector<std::uint8_t>& daten,
                             std::int64_t position, std::int64_t anzahl);
