#include "framework/random.h"

#include <random>

namespace framework {

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t startupSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

struct ProcessSource {
    std::unique_ptr<UniformSource> source = std::make_unique<Xoshiro256StarStar>(startupSeed());
    Xoshiro256StarStar* generator = static_cast<Xoshiro256StarStar*>(source.get());

    void replace(std::unique_ptr<UniformSource> replacement) {
        source = std::move(replacement);
        generator = dynamic_cast<Xoshiro256StarStar*>(source.get());
    }
};

ProcessSource& process() {
    static ProcessSource shared;
    return shared;
}

} // namespace

Xoshiro256StarStar::Xoshiro256StarStar(std::uint64_t seed) {
    for (auto& word : state_) {
        word = splitmix64(seed);
    }
}

double Rnd() {
    return process().source->next();
}

void seedRnd(std::uint64_t seed) {
    process().replace(std::make_unique<Xoshiro256StarStar>(seed));
}

std::unique_ptr<UniformSource> replaceRnd(std::unique_ptr<UniformSource> source) {
    std::unique_ptr<UniformSource> previous = std::move(process().source);
    process().replace(std::move(source));
    return previous;
}

UniformSource& processSource() {
    return *process().source;
}

Xoshiro256StarStar* processGenerator() {
    return process().generator;
}

} // namespace framework
