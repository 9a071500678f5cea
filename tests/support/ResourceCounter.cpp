#include "ResourceCounter.h"

#include <gtest/gtest.h>

#include "FrameworkHost.h"
#include "QVResourceCountInline.h"
#include "MessagePump.h"
#include "Watchdog.h"

namespace riztest {

int CountGdiObjects() {
    return qvcount::GdiObjects();
}

int CountThreadWindows() {
    return qvcount::ThreadWindows();
}

void ExpectCyclesLeakNothing(const std::function<void(int)>& cycle) {
    for (int k = 0; k < 20; ++k)
        cycle(k);
    PumpUntilIdle();
    FreeTemporaries();
    const ResourceSnapshot before;
    const int nCycles = SoakCycles();
    for (int k = 0; k < nCycles; ++k) {
        cycle(k);
        if (k % 100 == 0) PumpUntilIdle();
    }
    PumpUntilIdle();
    FreeTemporaries();
    EXPECT_EQ(0, before.GdiDelta());
    EXPECT_EQ(0, before.WindowDelta());
}

}  // namespace riztest
