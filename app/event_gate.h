// The counter that drops, rather than queues, the program's events while it is above zero.
#pragma once

namespace tavrino {

class EventGate {
 public:
  // Keeps the gate raised for the lifetime of the scope.
  class Raised {
   public:
    explicit Raised(EventGate& gate) : gate_(gate) { gate_.Raise(); }
    ~Raised() { gate_.Lower(); }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

   private:
    EventGate& gate_;
  };

  bool IsOpen() const { return raised_ == 0; }
  void Raise() { ++raised_; }
  void Lower() {
    if (raised_ > 0) --raised_;
  }

 private:
  int raised_ = 0;
};

}  // namespace tavrino
