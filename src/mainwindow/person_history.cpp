#include "mainwindow/person_history.h"

#include <algorithm>

namespace kinvale {

PersonHistory::PersonHistory(int capacity) : capacity_(std::max(capacity, 1)) {}

void PersonHistory::Visit(int number) {
  if (position_ >= 0 && numbers_[position_] == number) return;
  numbers_.resize(position_ + 1);
  numbers_.push_back(number);
  if (static_cast<int>(numbers_.size()) > capacity_) numbers_.erase(numbers_.begin());
  position_ = static_cast<int>(numbers_.size()) - 1;
}

void PersonHistory::Clear() {
  numbers_.clear();
  position_ = -1;
}

int PersonHistory::Back(const Exists& exists) { return Move(-1, exists); }

int PersonHistory::Forward(const Exists& exists) { return Move(1, exists); }

int PersonHistory::Step(int direction, const Exists& exists) const {
  for (int i = position_ + direction; i >= 0 && i < static_cast<int>(numbers_.size());
       i += direction) {
    if (exists(numbers_[i])) return i;
  }
  return -1;
}

int PersonHistory::Move(int direction, const Exists& exists) {
  const int next = Step(direction, exists);
  if (next < 0) return 0;
  position_ = next;
  return numbers_[next];
}

}  // namespace kinvale
