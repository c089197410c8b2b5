// The present moment, behind a seam that tests replace with a fixed one.
#pragma once

#include <QDateTime>
#include <functional>

namespace horavela {

// The present, in universal time, from the computer's clock unless a
// ReplacedClock stands in for it.
QDateTime currentUtc();

// While it lives, currentUtc() is what `now` gives; its end brings back the
// clock before it, so guards nest and nothing outlives the test that set it.
class ReplacedClock {
public:
    explicit ReplacedClock(std::function<QDateTime()> now);
    ~ReplacedClock();

    ReplacedClock(const ReplacedClock&) = delete;
    ReplacedClock& operator=(const ReplacedClock&) = delete;

private:
    std::function<QDateTime()> previous_;
};

} // namespace horavela
