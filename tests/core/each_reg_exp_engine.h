#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/ecmascript_reg_exp_engine.h"
#include "text/reg_exp_engine.h"

namespace quillmark::testing {

// Every engine this platform has runs the same suites: its own, and the
// ECMAScript engine it can fall back to.
struct EngineUnderTest {
  const char* name;
  RegExpEngineFactory factory;
  // How far the exhaustive suites go: an engine that is reached through COM
  // for every search makes each one slow.
  int longestText = 8;
  int randomRounds = 3000;
};

inline void PrintTo(const EngineUnderTest& engine, std::ostream* stream) { *stream << engine.name; }

class WithEachRegExpEngine : public ::testing::TestWithParam<EngineUnderTest> {
 protected:
  void SetUp() override { previous_ = SetRegExpEngineFactory(GetParam().factory); }
  void TearDown() override { SetRegExpEngineFactory(previous_); }

 private:
  RegExpEngineFactory previous_ = nullptr;
};

inline auto EachRegExpEngine() {
#ifdef _WIN32
  const EngineUnderTest platform{"Platform", CreatePlatformRegExpEngine, 5, 200};
#else
  const EngineUnderTest platform{"Platform", CreatePlatformRegExpEngine};
#endif
  return ::testing::Values(platform, EngineUnderTest{"EcmaScript", CreateEcmaScriptRegExpEngine});
}

inline std::string EngineName(const ::testing::TestParamInfo<EngineUnderTest>& info) {
  return info.param.name;
}

}  // namespace quillmark::testing
