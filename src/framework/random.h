#pragma once

#include <cstdint>
#include <memory>

// The one process-wide source of uniform random numbers behind Rnd.
namespace framework {

class UniformSource {
  public:
    virtual ~UniformSource() = default;
    // A uniform double in [0, 1); never 1.
    virtual double next() = 0;
};

// xoshiro256**, seeded through splitmix64.
class Xoshiro256StarStar final : public UniformSource {
  public:
    explicit Xoshiro256StarStar(std::uint64_t seed);
    double next() override;
    std::uint64_t nextBits();

  private:
    std::uint64_t state_[4];
};

// A uniform double in [0, 1) from the process-wide source.
double Rnd();

// Seeds the process-wide generator afresh (start-up uses std::random_device; tests a fixed seed).
void seedRnd(std::uint64_t seed);

// Replaces the process-wide source; tests use it to script the draws. Returns the previous one.
std::unique_ptr<UniformSource> replaceRnd(std::unique_ptr<UniformSource> source);

// The bootstrap position int(Rnd * count + 1), kept inside 1..count.
std::int32_t randomPosition(std::int32_t count);

} // namespace framework
