// Text lists: comparing texts without regard to case in the user's locale, the sorted order of a
// list as positions, and removing duplicates in place. Lists are 1-based: their element 0 is not
// part of the list and no routine here reads or writes it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// -1 when a sorts before b, 0 when they count as equal, 1 when a sorts after b; -2 when the
// platform could not compare. Letter case does not count. When either text holds "ß", "ä", "ö", "ü"
// (either case) or "-", both are folded first ("a" becomes "a1", "ä" becomes "a2", ...), so that
// texts beginning with "a" sort before those beginning with "ä", and those before "b"; "Straße"
// and "Strasse", "co-op" and "coop" do not count as equal.
int TextVergleich(const std::string& a, const std::string& b);

// The entries at which IndexSortieren splits a block, for a list of `anzahl` texts.
std::int32_t BlockKapazitaet(std::int32_t anzahl);

// The sorted order of the list by TextVergleich: element 0 holds the number of texts n, elements 1
// to n their positions, each once. The first of texts that compare equal, in list order, is also
// the first of them in the result. The texts do not move.
std::vector<std::int32_t> IndexSortieren(const std::vector<std::string>& liste);

// Removes duplicates in place: with `nurNachbarn` 0 every text that equals an earlier one, keeping
// the first occurrence and the list order; otherwise only a text that equals the one directly
// before it. The list is shortened to the texts that stay.
void DoppelteEntfernen(std::uint8_t nurNachbarn, std::vector<std::string>& liste);
