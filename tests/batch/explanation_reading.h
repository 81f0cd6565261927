#pragma once

#include <cstddef>
#include <string>
#include <utility>

// Reading back what batch::ParExplanation and the hand records page write, for the tests.
namespace batch {

// The closing clause read back into the ParContract tag's grammar, with the par score:
// "... so North-South play 5♦ doubled, two down: par +300." gives {"NS 5DX-2", 300},
// "... so the deal is passed out: par 0." {"Pass", 0}; an empty text when the clause is
// not in one of the documented shapes.
std::pair<std::string, int> ReadClosing(const std::string& text);

// The text with each suit symbol replaced by its strain letter, as --explain writes it.
std::string WithLetters(std::string text);

// How many times part stands in text, overlaps included.
size_t Count(const std::string& text, const std::string& part);

}  // namespace batch
