#!/usr/bin/env bash
# Records the scenario traces again from a built test binary: tests/data/record.sh [build folder]
FROTHWICK_RECORD=1 "${1:-build}/frothwick_tests" --gtest_filter='Scenario.*'
