#ifndef TESTS_KERNEL_FIXTURE_HPP
#define TESTS_KERNEL_FIXTURE_HPP

#include "KernelState.hpp"
#include "TestPort.hpp"

#include <gtest/gtest.h>

// A fresh kernel for every test, on the hand-driven port.
class Kernel : public ::testing::Test
{
protected:
    void SetUp() override { testport::reset(); }
    void TearDown() override { testport::reset(); }

    // An idle stand-in at priority 0, so that something is always ready, and the scheduler running.
    void startWithIdle()
    {
        idle = testport::createTask("IDLE", 0);
        testport::start();
    }

    rtosTaskHandle current() const { return rtosGetCurrentTaskHandle(); }

    rtosTaskHandle idle = nullptr;
};

#endif
