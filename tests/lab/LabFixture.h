// Base of the lab tests: skips (with the reason) where the lab cannot run,
// otherwise starts every test from an empty bus.
#pragma once

#include "lab/HidLab.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace trv630::lab {

class LabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string whyNot;
        const auto start = std::chrono::steady_clock::now();
        lab = HidLab::instance(&whyNot);
        if (!lab)
            GTEST_SKIP() << "hidraw lab unavailable: " << whyNot;
        const std::chrono::duration<double, std::milli> setUpTime = std::chrono::steady_clock::now() - start;
        RecordProperty("lab_setup_ms", std::to_string(setUpTime.count()));
        lab->reset();
    }
    void TearDown() override
    {
        if (lab)
            lab->reset();
    }

    HidLab* lab = nullptr;
};

/// Open file descriptors and threads of this process.
int openFdCount();
int threadCount();

} // namespace trv630::lab
