#pragma once

#include <QString>

#include <random>

// The generator of one category's draw: seeded anew from the clock, finer than a millisecond
// and mixed with the category, so two categories drawn at the same moment differ.
class PaperRandom {
public:
    explicit PaperRandom(const QString& category);
    // Uniform over 0 .. size - 1.
    int offset(int size);

private:
    std::mt19937 engine_;
};
