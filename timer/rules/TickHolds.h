#pragma once

// The interactions that hold the tick off: a drag, the menu, a command and
// its dialog, a restyle, the notification. Each takes a hold for exactly its
// own extent, so an inner one that ends can never end an outer one's.
class TickHolds {
public:
  bool Taken() const { return count_ > 0; }
  unsigned Count() const { return count_; }

  // Taken and given back in pairs by TickHold. A give without its take
  // leaves the count at zero rather than wrapping it into a hold forever.
  void Take() { ++count_; }
  void Give() {
    if (count_ > 0) --count_;
  }

private:
  unsigned count_ = 0;
};

// One hold, from its construction to its destruction.
class TickHold {
public:
  explicit TickHold(TickHolds& holds) : holds_(holds) { holds_.Take(); }
  ~TickHold() { holds_.Give(); }
  TickHold(const TickHold&) = delete;
  TickHold& operator=(const TickHold&) = delete;

private:
  TickHolds& holds_;
};
