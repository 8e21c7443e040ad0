// A fixed-size queue of window messages: posting and taking never allocate.
#pragma once
#include <array>
#include <cstddef>

#include "platform/messages.h"

namespace plat {

class MessageRing {
 public:
  // False when the ring is full and the message is dropped.
  bool Push(const Message& m) {
    if (count_ == buf_.size()) return false;
    buf_[(head_ + count_) % buf_.size()] = m;
    ++count_;
    return true;
  }
  bool Pop(Message& m) {
    if (count_ == 0) return false;
    m = buf_[head_];
    head_ = (head_ + 1) % buf_.size();
    --count_;
    return true;
  }
  bool Empty() const { return count_ == 0; }
  void Clear() { head_ = count_ = 0; }

 private:
  std::array<Message, 512> buf_{};
  size_t head_ = 0, count_ = 0;
};

}  // namespace plat
