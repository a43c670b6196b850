#include "host/musicxml/PitchMapping.h"

#include <gtest/gtest.h>

namespace {

using host::musicxml::HostPitch;
using host::musicxml::Key;
using host::musicxml::ToHostPitch;
using host::musicxml::ToWrittenPitch;
using host::musicxml::WrittenPitch;

TEST(PitchMappingTest, WrittenPitchesMapToStepsFromTheTonicInOctaveFour) {
  struct Case {
    Key key;
    WrittenPitch written;
    HostPitch host;
  };
  const Case cases[] = {
      {{0, false}, {'C', 0, 4}, {0, 0}},   {{0, false}, {'B', 0, 3}, {-1, 0}},
      {{0, false}, {'C', 0, 5}, {7, 0}},   {{1, false}, {'G', 0, 4}, {0, 0}},
      {{1, false}, {'F', 1, 5}, {6, 0}},   {{1, false}, {'F', 0, 5}, {6, -1}},
      {{1, false}, {'B', 1, 3}, {-5, 1}},  {{-3, false}, {'E', -1, 4}, {0, 0}},
      {{-3, false}, {'E', 0, 4}, {0, 1}},  {{-3, false}, {'F', 0, 4}, {1, 0}},
      {{0, true}, {'A', 0, 4}, {0, 0}},    {{-1, true}, {'D', 0, 4}, {0, 0}},
      {{-1, true}, {'B', -1, 3}, {-2, 0}}, {{7, false}, {'C', 1, 4}, {0, 0}},
      {{8, false}, {'F', 2, 4}, {-1, 0}},  {{-7, false}, {'C', -1, 5}, {7, 0}},
      {{2, false}, {'C', -1, 5}, {6, -2}}, {{0, false}, {'C', 0, 0}, {-28, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.written.step << c.written.alter << c.written.octave << " in "
                                    << c.key.fifths << (c.key.minor ? " minor" : " major"));
    const HostPitch host = ToHostPitch(c.written, c.key);
    EXPECT_EQ(host.displacement, c.host.displacement);
    EXPECT_EQ(host.raiseLower, c.host.raiseLower);
    const WrittenPitch back = ToWrittenPitch(c.host, c.key);
    EXPECT_EQ(back.step, c.written.step);
    EXPECT_EQ(back.alter, c.written.alter);
    EXPECT_EQ(back.octave, c.written.octave);
  }
}

// The host spells a note as the tonic's letter moved up by the
// displacement, and its alteration as raise/lower plus what the key gives
// the letter: the other direction, from the host's numbers.
TEST(PitchMappingTest, SpellingFromTheHostsNumbersAndBackIsExact) {
  for (int fifths = -9; fifths <= 9; ++fifths) {
    for (bool minor : {false, true}) {
      const Key key{fifths, minor};
      for (int displacement = -40; displacement <= 40; ++displacement) {
        for (int raiseLower = -3; raiseLower <= 3; ++raiseLower) {
          const WrittenPitch written = ToWrittenPitch({displacement, raiseLower}, key);
          const int root = host::musicxml::TonicLetterIndex(key);
          const int letter = ((root + displacement) % 7 + 7) % 7;
          ASSERT_EQ(written.step, 'A' + letter) << fifths << " " << displacement;
          ASSERT_EQ(written.alter, raiseLower + host::musicxml::KeyAlteration(key, letter));
          const HostPitch back = ToHostPitch(written, key);
          ASSERT_EQ(back.displacement, displacement);
          ASSERT_EQ(back.raiseLower, raiseLower);
        }
      }
    }
  }
  // Dropping a written note by an octave keeps its letter and alteration.
  const Key g{1, false};
  HostPitch bSharp = ToHostPitch({'B', 1, 3}, g);
  bSharp.displacement -= 7;
  const WrittenPitch dropped = ToWrittenPitch(bSharp, g);
  EXPECT_EQ(dropped.step, 'B');
  EXPECT_EQ(dropped.alter, 1);
  EXPECT_EQ(dropped.octave, 2);
}

}  // namespace
