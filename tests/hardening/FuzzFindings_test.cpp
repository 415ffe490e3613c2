// Faults the fuzzers found, kept as plain tests so they stay fixed.
#include <gtest/gtest.h>
