#include "exam/paper_random.h"

#include <QHash>

#include <chrono>
#include <cstdint>

PaperRandom::PaperRandom(const QString& category) {
    static unsigned drawCounter = 0;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{unsigned(now), unsigned(std::uint64_t(now) >> 32), unsigned(qHash(category)),
                       ++drawCounter};
    engine_.seed(seed);
}

int PaperRandom::offset(int size) {
    return std::uniform_int_distribution<int>(0, size - 1)(engine_);
}
