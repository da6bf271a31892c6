#include "state/random_source.h"

#include <cmath>
#include <random>
#include <utility>

namespace {

std::mt19937_64& generator()
{
    static std::mt19937_64 engine{0x64656c76616e6fULL};
    return engine;
}

std::function<double()>& override_source()
{
    static std::function<double()> source;
    return source;
}

}  // namespace

double Rnd()
{
    if (override_source())
        return override_source()();
    // 53 random bits give every double in [0, 1) on a uniform grid; never 1.
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

int32_t Rnd_Int(int32_t n)
{
    return static_cast<int32_t>(std::floor(Rnd() * n));
}

void Seed_Random(uint64_t seed)
{
    generator().seed(seed);
}

void Set_Random_Source(std::function<double()> source)
{
    override_source() = std::move(source);
}
