// Whole double-dummy tables take seconds in an optimised build and many minutes under the
// sanitizers; tests that solve them run in the optimised build only.
#pragma once

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS() \
    GTEST_SKIP() << "full double-dummy tables are solved in the optimised build only"
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS() \
    GTEST_SKIP() << "full double-dummy tables are solved in the optimised build only"
#endif
#endif
#ifndef CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS
#define CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS() (void)0
#endif
