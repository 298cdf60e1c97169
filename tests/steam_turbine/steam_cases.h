#pragma once

// Random evaluation cases for the yardstick: each stream's entropy and
// enthalpy derived from the property library and rounded as the window shows
// them.

#include <random>
#include <string>
#include <vector>

#include "steam_turbine/steam_evaluation.h"

namespace corvasine::steam_turbine::testing {

enum class Arrangement { NoExtraStream, Induction, Extraction, InductionAndExtraction };

struct EvaluationCase {
  std::string label;
  SteamEvaluationInput input;
};

// What an evaluation showed of its searches, in order.
struct RecordedProgress final : SearchProgress {
  std::vector<std::string> progress;
  std::vector<bool> searching;
  void setSearching(bool on) override { searching.push_back(on); }
  void showProgress(const std::string& text) override { progress.push_back(text); }
  // Whether every "searching" was followed by its end.
  bool balanced() const {
    for (std::size_t i = 0; i < searching.size(); ++i)
      if (searching[i] != (i % 2 == 0)) return false;
    return searching.size() % 2 == 0;
  }
};

// A random case of an arrangement: pressures falling from stage to stage,
// superheated or wet exhausts, some stage ends in the near-critical band,
// some flows that leave a negative exhaust and some values out of range.
EvaluationCase randomCase(std::mt19937_64& random, Arrangement arrangement);

// Random samples that compare with the literal search are sized for the
// sanitizer build; CORVASINE_STEAM_SAMPLE_SCALE=n runs n times as many cases
// (the same first ones: the seeds are fixed).
int sampleScale();

}  // namespace corvasine::steam_turbine::testing
