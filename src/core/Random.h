#pragma once

#include <cstdint>
#include <random>

namespace velmorix {

// Uniform numbers in [0, 1). The program seeds it from the clock where the
// program's rules say so; tests seed it with fixed values.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
    virtual void seed(uint64_t value) = 0;
};

class StdRandom final : public Random {
public:
    explicit StdRandom(uint64_t seed = 1) : m_engine(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }
    void seed(uint64_t value) override { m_engine.seed(value); }

private:
    std::mt19937_64 m_engine;
};

} // namespace velmorix
