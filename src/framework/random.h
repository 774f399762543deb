#pragma once

#include <cstdint>
#include <memory>

// The one process-wide source of uniform random numbers behind Rnd, and the way a loop borrows
// it: a copy of the generator's state that the compiler keeps in registers for the whole loop
// and that is handed back when the loop ends, so the process goes on with one stream.
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

    // The top 53 bits scaled by 2^-53: the largest value is 1 - 2^-53, never 1.
    double next() override { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }

    std::uint64_t nextBits() {
        const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotateLeft(state_[3], 45);
        return result;
    }

  private:
    static std::uint64_t rotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4];
};

// A uniform double in [0, 1) from the process-wide source.
double Rnd();

// Seeds the process-wide generator afresh (start-up uses std::random_device; tests a fixed seed).
void seedRnd(std::uint64_t seed);

// Replaces the process-wide source; tests use it to script the draws. Returns the previous one.
std::unique_ptr<UniformSource> replaceRnd(std::unique_ptr<UniformSource> source);

// The process-wide source, and the same object as the generator unless a test replaced it.
UniformSource& processSource();
Xoshiro256StarStar* processGenerator();

// A loop's handle on a source that is not the generator (a test's script): every draw is a call.
class SourceStream {
  public:
    explicit SourceStream(UniformSource& source) : source_(source) {}
    double next() { return source_.next(); }

  private:
    UniformSource& source_;
};

// Runs loop(stream) with a stream that continues the process-wide source: a local copy of the
// generator, written back however the loop ends, or the replaced source itself. The loop must
// draw only from the stream it is given.
template <typename Loop> void withRandomStream(Loop&& loop) {
    Xoshiro256StarStar* shared = processGenerator();
    if (shared == nullptr) {
        SourceStream stream(processSource());
        loop(stream);
        return;
    }
    struct HandBack {
        Xoshiro256StarStar& shared;
        Xoshiro256StarStar local;
        ~HandBack() { shared = local; }
    } borrowed{*shared, *shared};
    loop(borrowed.local);
}

} // namespace framework
