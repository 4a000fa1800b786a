#pragma once
// Order statistics of a handful of samples.

#include <algorithm>
#include <cmath>
#include <vector>

// The value below which 'fraction' of the samples lie (nearest rank); 0.5 is the median.
inline double Quantile(std::vector<double> samples, double fraction)
{
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}
