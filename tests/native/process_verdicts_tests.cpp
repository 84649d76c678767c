#include <doctest/doctest.h>

#include "processes/process_verdicts.h"

TEST_CASE("answers found during a wipe are kept per process")
{
    ProcessVerdicts v{nullptr, 0, 0};
    bool ignored = true;
    CHECK_FALSE(FindProcessVerdict(v, 42, &ignored));
    AddProcessVerdict(v, 42, false);
    AddProcessVerdict(v, 7, true);
    REQUIRE(FindProcessVerdict(v, 42, &ignored));
    CHECK_FALSE(ignored);
    REQUIRE(FindProcessVerdict(v, 7, &ignored));
    CHECK(ignored);
    CHECK_FALSE(FindProcessVerdict(v, 8, &ignored));
    // A busy desktop has far more processes than the first allocation holds.
    for (uint32_t pid = 1000; pid < 1300; ++pid)
        AddProcessVerdict(v, pid, pid % 3 == 0);
    for (uint32_t pid = 1000; pid < 1300; ++pid) {
        CAPTURE(pid);
        REQUIRE(FindProcessVerdict(v, pid, &ignored));
        CHECK(ignored == (pid % 3 == 0));
    }
    REQUIRE(FindProcessVerdict(v, 7, &ignored));
    CHECK(ignored);
    ClearProcessVerdicts(v);
    CHECK(v.count == 0);
    CHECK(v.items == nullptr);
    CHECK_FALSE(FindProcessVerdict(v, 42, &ignored));
}
