#include "platform/Clock.h"

#include <utility>

namespace horavela {

namespace {

// The stand-in of the innermost ReplacedClock alive; empty when none is.
std::function<QDateTime()> standIn;

} // namespace

QDateTime currentUtc() {
    return standIn ? standIn().toUTC() : QDateTime::currentDateTimeUtc();
}

ReplacedClock::ReplacedClock(std::function<QDateTime()> now)
    : previous_(std::exchange(standIn, std::move(now))) {}

ReplacedClock::~ReplacedClock() {
    standIn = std::move(previous_);
}

} // namespace horavela
