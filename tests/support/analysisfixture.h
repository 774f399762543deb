#pragma once

#include "data/module1.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "support/gridfixture.h"

// An analysis test starts with an empty grid and "\n" line ends, and leaves no Control key held
// and the generator seeded for the next one.
class AnalysisFixture : public GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        Module1::cps.assign(1, '\n');
    }
    void TearDown() override {
        framework::setControlKeyPoll(nullptr);
        framework::seedRnd(1);
        GridFixture::TearDown();
    }
};
