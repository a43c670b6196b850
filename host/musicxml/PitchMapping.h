// Written pitch (step, alteration, octave) to the host's note record and
// back. The host counts a note's displacement in diatonic steps from the
// tonic of the key in force, taken in octave 4 (C4 to B4), and its
// raise/lower as the alteration beyond what the key signature gives the
// letter. The two directions are exact inverses.
#pragma once

namespace host::musicxml {

// A traditional key signature: fifths as MusicXML gives them (-7 to 7 in
// ordinary use; any count is accepted), major or minor.
struct Key {
  int fifths = 0;
  bool minor = false;
};

struct WrittenPitch {
  char step = 'C';  // 'A' to 'G'
  int alter = 0;    // semitones
  int octave = 4;
};

struct HostPitch {
  int displacement = 0;
  int raiseLower = 0;
};

// The tonic's letter index, 0 to 6 for A to G.
int TonicLetterIndex(const Key& key);
// What the key signature does to a letter (index 0 to 6 for A to G): +1 per
// sharp and -1 per flat that falls on it.
int KeyAlteration(const Key& key, int letterIndex);

HostPitch ToHostPitch(const WrittenPitch& pitch, const Key& key);
WrittenPitch ToWrittenPitch(const HostPitch& pitch, const Key& key);

}  // namespace host::musicxml
