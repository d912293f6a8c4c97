#pragma once

#include <gtest/gtest.h>

#include <string>

#include "text/ecmascript_reg_exp_engine.h"
#include "text/reg_exp_engine.h"

namespace quillmark::testing {

// Every engine this platform has runs the same suites: its own, and the
// ECMAScript engine it can fall back to.
struct EngineUnderTest {
  const char* name;
  RegExpEngineFactory factory;
};

class WithEachRegExpEngine : public ::testing::TestWithParam<EngineUnderTest> {
 protected:
  void SetUp() override { previous_ = SetRegExpEngineFactory(GetParam().factory); }
  void TearDown() override { SetRegExpEngineFactory(previous_); }

 private:
  RegExpEngineFactory previous_ = nullptr;
};

inline auto EachRegExpEngine() {
  return ::testing::Values(EngineUnderTest{"Platform", CreatePlatformRegExpEngine},
                           EngineUnderTest{"EcmaScript", CreateEcmaScriptRegExpEngine});
}

inline std::string EngineName(const ::testing::TestParamInfo<EngineUnderTest>& info) {
  return info.param.name;
}

}  // namespace quillmark::testing
