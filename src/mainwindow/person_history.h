// The persons of interest the user has moved through, walked Back and Forward as a web browser
// walks its pages: moving to someone new after going back drops the forward part.
#pragma once

#include <functional>
#include <vector>

namespace kinvale {

class PersonHistory {
 public:
  // Whether the person of that number is still in the family; the walk skips those who are not.
  using Exists = std::function<bool(int number)>;

  explicit PersonHistory(int capacity = 200);

  // The person of interest is now number: kept unless it is the current entry already. The
  // oldest entry goes once the history holds capacity entries.
  void Visit(int number);
  void Clear();

  // The nearest earlier (later) person who still exists, made current; 0 when there is none and
  // nothing moves.
  int Back(const Exists& exists);
  int Forward(const Exists& exists);
  bool CanGoBack(const Exists& exists) const { return Step(-1, exists) >= 0; }
  bool CanGoForward(const Exists& exists) const { return Step(1, exists) >= 0; }

 private:
  // The position of the nearest existing entry in that direction; -1 when there is none.
  int Step(int direction, const Exists& exists) const;
  int Move(int direction, const Exists& exists);

  std::vector<int> numbers_;
  int position_ = -1;  // the current entry; -1 while the history is empty
  int capacity_;
};

}  // namespace kinvale
