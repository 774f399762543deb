#pragma once

#include <string>

namespace Module1 {

// Where finished reports go: the output window appends each block at the end of its text.
class Output {
  public:
    virtual ~Output() = default;
    virtual void append(const std::string& block) = 0;
};

} // namespace Module1
