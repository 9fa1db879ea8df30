#include "AudioAnalysis.h"

#include <cmath>
#include <vector>

namespace tolvane::mediagen::testing {

double fundamentalOf(std::span<const float> samples, int sampleRate)
{
    const auto shortestLag = static_cast<std::size_t>(sampleRate / 3000);
    const auto longestLag = static_cast<std::size_t>(sampleRate / 60);
    if (samples.size() <= 2 * longestLag)
        return 0.0;
    const std::size_t window = samples.size() - longestLag - 1;

    std::vector<double> difference(longestLag + 2, 0.0);
    for (std::size_t lag = 1; lag < difference.size(); ++lag) {
        double sum = 0.0;
        for (std::size_t i = 0; i < window; ++i) {
            const double step = static_cast<double>(samples[i]) - samples[i + lag];
            sum += step * step;
        }
        difference[lag] = sum;
    }
    // Normalised by the running mean, so that the first deep dip is the period.
    std::vector<double> normalised(difference.size(), 1.0);
    double running = 0.0;
    for (std::size_t lag = 1; lag < difference.size(); ++lag) {
        running += difference[lag];
        normalised[lag] = running > 0.0 ? difference[lag] * static_cast<double>(lag) / running : 1.0;
    }
    std::size_t period = 0;
    for (std::size_t lag = shortestLag; lag <= longestLag; ++lag) {
        if (normalised[lag] < 0.2) {
            while (lag + 1 <= longestLag && normalised[lag + 1] < normalised[lag])
                ++lag;
            period = lag;
            break;
        }
    }
    if (period == 0)
        return 0.0;
    const double before = difference[period - 1];
    const double at = difference[period];
    const double after = difference[period + 1];
    const double curvature = before - 2.0 * at + after;
    const double offset = curvature > 0.0 ? 0.5 * (before - after) / curvature : 0.0;
    return sampleRate / (static_cast<double>(period) + offset);
}

} // namespace tolvane::mediagen::testing
