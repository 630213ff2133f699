#pragma once
#include <string>
#include <vector>

#include "platform/sound.h"

namespace fakes {

class FakeSound : public platform::Sound {
  public:
    std::vector<std::string> played;
    void PlayAsync(const std::string& name) override { played.push_back(name); }
};

}  // namespace fakes
