#include "runtime/text.h"

namespace runtime {

Text& Text::operator+=(std::string_view s) {
  const size_t room = kMaxLength - bytes_.size();
  bytes_.append(s.substr(0, room));
  return *this;
}

void Text::Insert(size_t pos, std::string_view s) {
  if (pos > bytes_.size()) pos = bytes_.size();
  bytes_.insert(pos, s);
  if (bytes_.size() > kMaxLength) bytes_.resize(kMaxLength);
}

void Text::Erase(size_t pos, size_t count) {
  if (pos >= bytes_.size()) return;
  bytes_.erase(pos, count);
}

void Text::Resize(size_t n) { bytes_.resize(n < kMaxLength ? n : kMaxLength, ' '); }

Text Text::Substr(size_t pos, size_t count) const {
  if (pos >= bytes_.size()) return Text();
  return Text(std::string_view(bytes_).substr(pos, count));
}

}  // namespace runtime
