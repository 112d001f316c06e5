#pragma once
// When a part of the display that every sentence of a run changes is shown again.
// Under Wine each insertion into a visible edit control, and each scroll, redraws
// its themed scroll bar: several milliseconds, more than translating a sentence.
// So a part waits at least a thirtieth of a second, and at least nine times what
// showing it cost last time: showing then takes at most a tenth of a run however
// slow the platform draws, and a fast one still sees thirty showings a second.
#include <windows.h>

class UpdatePace {
public:
    static constexpr long long kMinimumWaitUs = 33000;
    static constexpr long long kWaitPerCost = 9;

    // Microseconds on a steady clock.
    static long long NowUs() {
        LARGE_INTEGER counter, frequency;
        QueryPerformanceCounter(&counter);
        QueryPerformanceFrequency(&frequency);
        return counter.QuadPart / frequency.QuadPart * 1000000 +
               counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
    }

    bool Due(long long nowUs) const {
        const long long wait = lastCostUs_ * kWaitPerCost;
        return !shown_ || nowUs - lastEndUs_ >= (wait > kMinimumWaitUs ? wait : kMinimumWaitUs);
    }

    // Counted from the end: showing may itself take longer than the wait.
    void Shown(long long startUs, long long endUs) {
        shown_ = true;
        lastEndUs_ = endUs;
        lastCostUs_ = endUs - startUs;
    }

private:
    bool shown_ = false;
    long long lastEndUs_ = 0;
    long long lastCostUs_ = 0;
};
