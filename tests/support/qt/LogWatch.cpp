#include "LogWatch.h"

#include "LogMessages.h"

#include <utility>

LogWatch::LogWatch(QString pattern) : mPattern(std::move(pattern)), mBefore(countMatching(logMessages(), mPattern))
{
}

int LogWatch::count() const
{
    return countMatching(logMessages(), mPattern) - mBefore;
}

bool LogWatch::waitFor(int atLeast, int timeoutMs) const
{
    return ::waitFor([this, atLeast] { return count() >= atLeast; }, timeoutMs);
}
