// How a check is shown: as text for people, or as one JSON object for build pipelines. Both are
// 1252 text like everything inside the tool; the console output makes UTF-8 of them. The JSON keeps
// every character of a path, those that 1252 lacks as escapes.
#pragma once
#include <string>
#include <vector>

#include "maker/Pruefung.h"

// What was read, in the words of the report.
struct TZQKopf {
  std::string Art;           // "programm", "seitendatei" or "blocktext"
  std::string Datei;         // the file given, a path as the tool takes it (UTF-8)
  std::string Gelesen;       // the file whose block the installer reads, a path
  std::string Beschreibung;  // a sentence for people on what was read and how, 1252
  std::string Ordner;        // where the files beside the installer were looked for, a path
  bool Signiert = false;       // an executable that carries a signature
  bool BlockSigniert = false;  // and a block before it, which the signature covers
  // What the installer reads: "signierter-block", "seitendatei", "angehaengter-block" or, for a
  // block text, "blocktext"; and for an executable why, a sentence for people (1252).
  std::string Liest;
  std::string Grund;
};

std::string BerichtText(const TZQKopf& kopf, const TZQBefund& befund);
std::string BerichtJson(const TZQKopf& kopf, const TZQBefund& befund);

// The warnings as lines of text, each with its line number.
std::string WarnungenText(const std::vector<TZQWarnung>& warnungen);
