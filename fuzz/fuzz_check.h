#pragma once
// What every fuzz target shares: a property that fails aborts, so that libFuzzer
// keeps the input that broke it, and a small generator of choices drawn from it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition, ...)                                                    \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "\n%s:%d: property broken: %s\n  ", __FILE__, __LINE__, \
                         #condition);                                                   \
            std::fprintf(stderr, __VA_ARGS__);                                          \
            std::fprintf(stderr, "\n");                                                 \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

// Choices derived from the input: the same input always makes the same ones.
class Choices {
public:
    explicit Choices(const std::uint8_t* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) state_ = (state_ ^ data[i]) * 0x100000001B3ull;
    }
    std::uint32_t Next() {  // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }
    // A number in [0, bound), 0 when bound is 0.
    std::uint32_t Below(std::uint32_t bound) { return bound ? Next() % bound : 0; }

private:
    std::uint64_t state_ = 0xCBF29CE484222325ull;
};
