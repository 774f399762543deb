#include "framework/random.h"

#include "framework/conversions.h"

#include <random>

namespace framework {

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

std::uint64_t startupSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

std::unique_ptr<UniformSource>& processSource() {
    static std::unique_ptr<UniformSource> source =
        std::make_unique<Xoshiro256StarStar>(startupSeed());
    return source;
}

} // namespace

Xoshiro256StarStar::Xoshiro256StarStar(std::uint64_t seed) {
    for (auto& word : state_) {
        word = splitmix64(seed);
    }
}

std::uint64_t Xoshiro256StarStar::nextBits() {
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

double Xoshiro256StarStar::next() {
    // The top 53 bits scaled by 2^-53: the largest value is 1 - 2^-53, never 1.
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

double Rnd() {
    return processSource()->next();
}

void seedRnd(std::uint64_t seed) {
    processSource() = std::make_unique<Xoshiro256StarStar>(seed);
}

std::unique_ptr<UniformSource> replaceRnd(std::unique_ptr<UniformSource> source) {
    std::swap(processSource(), source);
    return source;
}

std::int32_t randomPosition(std::int32_t count) {
    const std::int32_t position = toInt32(Rnd() * count + 1);
    if (position < 1) {
        return 1;
    }
    return position > count ? count : position;
}

} // namespace framework
