// The one source of randomness. Rules draw u in [0, 1) and map it themselves (Int(u * n)), so a
// test can pin every roll by feeding exact values.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace vk2 {

class Random {
  public:
    virtual ~Random() = default;
    // A uniform single-precision value in [0, 1).
    virtual float next() = 0;
    // The rules reseed from the clock before most draws; reproducible sources ignore it.
    virtual void reseed() {}
};

// A seeded generator (splitmix64), identical on every platform and standard library.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    float next() override;

  private:
    std::uint64_t state_;
};

// Values given one by one; running out is a fault of the test that fed them.
class ScriptedRandom final : public Random {
  public:
    void push(float u) { values_.push_back(u); }
    float next() override;
    std::size_t unused() const { return values_.size(); }

  private:
    std::deque<float> values_;
};

} // namespace vk2
