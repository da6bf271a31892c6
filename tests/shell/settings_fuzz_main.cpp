// delvano_settings_fuzz [iterations] [seed]: the damaged-file loads of the fuzz test, for as long
// as asked.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "settings_fuzz_core.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const long iterations = argc > 1 ? std::atol(argv[1]) : 100000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 2;
    }
    const Settings_Fuzz_Outcome outcome = Run_Settings_Fuzz(dir.path(), iterations, seed);
    for (const std::string& fault : outcome.faults)
        std::fprintf(stderr, "FAULT %s\n", fault.c_str());
    std::printf("%ld iterations, seed %llu: %ld loaded, %ld broken, %zu faults\n",
                outcome.loaded + outcome.broken, static_cast<unsigned long long>(seed), outcome.loaded,
                outcome.broken, outcome.faults.size());
    return outcome.faults.empty() ? 0 : 1;
}
