#include "screen/LineEditor.hpp"

#include <algorithm>

namespace {

constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kTab = 9;
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kEscape = 27;

}  // namespace

LineEditor::Outcome LineEditor::insert(std::size_t count, char ch) {
  Outcome outcome;
  const std::size_t room = kMaxLength - std::min(kMaxLength, text_.size());
  const std::size_t fits = std::min(count, room);
  if (fits < count) {
    outcome.beep = true;
  }
  if (fits > 0) {
    text_.insert(position_, fits, ch);
    position_ += fits;
    outcome.changed = true;
  }
  return outcome;
}

LineEditor::Outcome LineEditor::press(InputKey key) {
  Outcome outcome;
  if (done_) {
    return outcome;
  }
  if (key.code != 0) {
    switch (key.code) {
      case kEnter:
        done_ = true;
        outcome.done = true;
        return outcome;
      case kBackspace:
        if (position_ > 0) {
          --position_;
          text_.erase(position_, 1);
          outcome.changed = true;
        }
        return outcome;
      case kTab:
        return insert(kTabWidth - position_ % kTabWidth, ' ');
      case kEscape:
        outcome.changed = !text_.empty() || position_ != 0;
        text_.clear();
        position_ = 0;
        return outcome;
      default:
        if (key.code >= 32) {
          return insert(1, static_cast<char>(key.code));
        }
        return outcome;  // other control codes do nothing
    }
  }
  const std::size_t before = position_;
  switch (key.special) {
    case SpecialKey::Left:
      position_ = position_ > 0 ? position_ - 1 : 0;
      break;
    case SpecialKey::Right:
      position_ = std::min(position_ + 1, text_.size());
      break;
    case SpecialKey::Home:
      position_ = 0;
      break;
    case SpecialKey::End:
      position_ = text_.size();
      break;
    case SpecialKey::Up:
      if (position_ >= kScreenWidth) {
        position_ -= kScreenWidth;
      }
      break;
    case SpecialKey::Down:
      if (position_ + kScreenWidth <= text_.size()) {
        position_ += kScreenWidth;
      }
      break;
    case SpecialKey::Delete:
      if (position_ < text_.size()) {
        text_.erase(position_, 1);
        outcome.changed = true;
      } else {
        outcome.beep = true;
      }
      break;
    case SpecialKey::None:
    case SpecialKey::PageUp:
    case SpecialKey::PageDown:
    case SpecialKey::Insert:
    case SpecialKey::F1:
    case SpecialKey::F2:
    case SpecialKey::F3:
    case SpecialKey::F4:
    case SpecialKey::F5:
    case SpecialKey::F6:
    case SpecialKey::F7:
    case SpecialKey::F8:
    case SpecialKey::F9:
    case SpecialKey::F10:
    case SpecialKey::F11:
    case SpecialKey::F12:
      break;
  }
  if (position_ != before) {
    outcome.changed = true;
  }
  return outcome;
}
