#pragma once

#include <array>
#include <streambuf>

namespace busquery::test {

// The buffer of a stream whose device is full, as /dev/full is: a little output is taken into
// the buffer, every attempt to pass it on fails.
class FullDeviceBuffer : public std::streambuf {
  public:
    FullDeviceBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    int sync() override { return -1; }

  private:
    std::array<char, 256> buffer_{};
};

}  // namespace busquery::test
