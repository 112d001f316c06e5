#include "core/update_pace.h"

#include <gtest/gtest.h>

TEST(UpdatePace, WaitsAThirtiethOfASecondAndNineTimesWhatShowingCost) {
    UpdatePace pace;
    EXPECT_TRUE(pace.Due(5));  // nothing shown yet

    // Cheap showing: due again a thirtieth of a second after it ended.
    pace.Shown(1000000, 1000500);
    EXPECT_FALSE(pace.Due(1000500 + 32999));
    EXPECT_TRUE(pace.Due(1000500 + 33000));

    // Showing that cost 10 ms waits 90 ms from its end, not from its start.
    pace.Shown(2000000, 2010000);
    EXPECT_FALSE(pace.Due(2010000 + 89999));
    EXPECT_TRUE(pace.Due(2010000 + 90000));

    // A cheap showing afterwards brings the thirtieth back.
    pace.Shown(3000000, 3000100);
    EXPECT_TRUE(pace.Due(3000100 + 33000));
}

TEST(UpdatePace, TheClockGoesForwardInMicroseconds) {
    const long long before = UpdatePace::NowUs();
    Sleep(20);
    const long long after = UpdatePace::NowUs();
    EXPECT_GE(after - before, 15000);
    EXPECT_LT(after - before, 5000000);
}
