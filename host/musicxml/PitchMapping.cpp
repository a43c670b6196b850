#include "host/musicxml/PitchMapping.h"

namespace host::musicxml {
namespace {

constexpr int kLettersPerOctave = 7;
constexpr int kTonicOctave = 4;

int FloorMod(int value, int modulus) {
  const int r = value % modulus;
  return r < 0 ? r + modulus : r;
}

int FloorDiv(int value, int divisor) { return (value - FloorMod(value, divisor)) / divisor; }

// Letter index from A (0..6) to steps above C (0..6), and back.
int StepsAboveC(int letterIndexFromA) { return FloorMod(letterIndexFromA - 2, kLettersPerOctave); }
int LetterIndexFromA(int stepsAboveC) { return FloorMod(stepsAboveC + 2, kLettersPerOctave); }

// A note's diatonic number: octave * 7 + steps above C.
int Diatonic(int letterIndexFromA, int octave) {
  return octave * kLettersPerOctave + StepsAboveC(letterIndexFromA);
}

}  // namespace

int TonicLetterIndex(const Key& key) {
  // The host's tables: by the number of sharps, or 7 minus the flats, 0 to 7.
  static constexpr int kMajor[8] = {2, 6, 3, 0, 4, 1, 5, 2};
  static constexpr int kMinor[8] = {0, 4, 1, 5, 2, 6, 3, 0};
  const int index = key.fifths < 0 ? 7 - (-key.fifths) % 7 : key.fifths % 7;
  return key.minor ? kMinor[index] : kMajor[index];
}

int KeyAlteration(const Key& key, int letterIndex) {
  int alteration = 0;
  if (key.fifths > 0) {
    for (int i = 0; i < key.fifths; ++i) alteration += (5 + 4 * i) % 7 == letterIndex ? 1 : 0;
  } else {
    for (int i = 0; i < -key.fifths; ++i) alteration -= (1 + 3 * i) % 7 == letterIndex ? 1 : 0;
  }
  return alteration;
}

HostPitch ToHostPitch(const WrittenPitch& pitch, const Key& key) {
  const int letter = pitch.step - 'A';
  const int tonic = Diatonic(TonicLetterIndex(key), kTonicOctave);
  return HostPitch{Diatonic(letter, pitch.octave) - tonic, pitch.alter - KeyAlteration(key, letter)};
}

WrittenPitch ToWrittenPitch(const HostPitch& pitch, const Key& key) {
  const int diatonic = Diatonic(TonicLetterIndex(key), kTonicOctave) + pitch.displacement;
  const int letter = LetterIndexFromA(FloorMod(diatonic, kLettersPerOctave));
  return WrittenPitch{static_cast<char>('A' + letter), pitch.raiseLower + KeyAlteration(key, letter),
                      FloorDiv(diatonic, kLettersPerOctave)};
}

}  // namespace host::musicxml
