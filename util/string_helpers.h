#pragma once

#include <cstdint>

#include "runtime/text.h"

// The string toolkit. Blank means code 32 only and tab code 9; no other character is
// white space here. Case changes touch only the letters a-z and A-Z. Positions count
// from 1, 0 meaning "not found". Results are cut at 255 characters. None of these stops.
namespace util {

// Sets the length of s to n modulo 256; new characters are blanks.
void SetLength(runtime::Text& s, int16_t n);
// Removes the blanks (not tabs) at the start.
void NoLeadBlanks(runtime::Text& in_string);
// Removes the blanks (not tabs) at the end; a text of blanks only keeps one blank.
void NoTrailBlanks(runtime::Text& in_string);
// out_s := the text before the first blank or tab (all of in_s when there is none);
// in_s := the text after that separator, further separators kept.
void PopFirstWord(runtime::Text& in_s, runtime::Text& out_s);
// out_s := the text after the last blank (tabs do not count), which stays at the end of
// in_s; a blank as last character gives an empty out_s and only that blank is removed;
// no blank: out_s := in_s, in_s := empty.
void PopLastWord(runtime::Text& in_s, runtime::Text& out_s);
// As PopFirstWord with the tab as the only separator.
void PopFirstField(runtime::Text& in_s, runtime::Text& out_s);
// As PopLastWord with the tab as the only separator.
void PopLastField(runtime::Text& in_s, runtime::Text& out_s);
// Words as PopFirstWord pops them after leading blanks are removed; a tab that follows
// another separator yields an empty word, which counts.
int16_t NWordsInString(const runtime::Text& s);
void UpperCase(runtime::Text& s);
runtime::Text UpperCaseFunc(const runtime::Text& s);
// Each tab becomes one blank.
void TabsToSpaces(runtime::Text& s);
inline constexpr int OrdDif = 'a' - 'A';
// The small letter of a capital A-Z; any other character unchanged.
char DnCase(char c);
void LowerCase(runtime::Text& s);
// Deletes the character at position (1-based) if it equals bad_char; otherwise nothing.
void DeleteIfMatch(runtime::Text& in_s, int16_t position, char bad_char);
// Deletes from the first occurrence of comment_marker to the end; an empty marker never
// occurs.
void KillTrailComment(runtime::Text& s, const runtime::Text& comment_marker);
// Deletes everything up to and including the first ch; s becomes empty when ch is absent.
void DeleteTo(runtime::Text& s, char ch);
// Equal length and equal characters once letters are upper-cased.
bool CIEq(const runtime::Text& s1, const runtime::Text& s2);
// Position of s1 in s2, both upper-cased first; 0 when absent or s1 is empty.
int16_t CIPos(const runtime::Text& s1, const runtime::Text& s2);

}  // namespace util
