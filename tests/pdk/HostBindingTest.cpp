#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <variant>

#include "pdk/binding/HostBinding.h"
#include "pdk/binding/HostFunctions.h"
#include "support/HostFixture.h"

namespace {

using qxtest::HostTest;
using qxtest::kVersion;

class HostBindingTest : public HostTest {
 protected:
  void WithholdEverything() {
    for (int i = 0; i < quavix::kHostFunctionCount; ++i) {
      exports().Withhold(static_cast<quavix::HostFn>(i));
    }
  }
};

// What a wrapper answers when the host lacks its function: a number, the
// one-blank string, or nothing at all.
struct NoResult {
  bool operator==(const NoResult&) const = default;
};
struct BlankString {
  bool operator==(const BlankString&) const = default;
};
using Fallback = std::variant<std::int64_t, NoResult, BlankString>;

struct FallbackCase {
  const char* name;
  std::function<Fallback()> call;
  Fallback expected;
};

template <typename T>
Fallback AsFallback(T value) {
  if constexpr (std::is_same_v<T, const char*>) {
    if (value != nullptr && std::string(value) == " ") return BlankString{};
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(value));
  } else if constexpr (std::is_pointer_v<T>) {
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(value));
  } else {
    return static_cast<std::int64_t>(value);
  }
}

#define QX_CASE(Name, Expected, ...)                                                      \
  FallbackCase {                                                                          \
    "FX_" #Name, [] { return AsFallback(FX_##Name(__VA_ARGS__)); }, Fallback { Expected } \
  }
#define QX_VOID_CASE(Name, ...)        \
  FallbackCase {                       \
    "FX_" #Name,                       \
        [] {                           \
          FX_##Name(__VA_ARGS__);      \
          return Fallback{NoResult{}}; \
        },                             \
        Fallback {                     \
      NoResult {}                      \
    }                                  \
  }

const std::vector<FallbackCase>& FallbackCases() {
  static const std::vector<FallbackCase> cases = {
      QX_CASE(GetMaxLayers, std::int64_t{4}, kVersion),
      QX_VOID_CASE(KillTimer, nullptr, 1, kVersion),
      QX_VOID_CASE(SetCurERegion, nullptr, kVersion),
      QX_CASE(SetCurrentMorvelDocument, std::int64_t{0}, 1, kVersion),
      QX_CASE(GetCurrentMorvelDocument, std::int64_t{0}, kVersion),
      QX_CASE(GetNextMorvelDocument, std::int64_t{0}, 1, kVersion),
      QX_CASE(GetQuavixPath, std::int64_t{0}, nullptr, 0, kVersion),
      QX_CASE(GetGraphicPath, std::int64_t{0}, nullptr, nullptr, nullptr, nullptr, kVersion),
      QX_CASE(CreateGraphic, std::int64_t{0}, nullptr, 1, nullptr, nullptr, 0, 0, kVersion),
      QX_CASE(StartQuavixEdit, std::int64_t{0}, 0, kVersion),
      QX_CASE(EndQuavixEdit, std::int64_t{0}, kVersion),
      QX_VOID_CASE(CancelQuavixEdit, kVersion),
      QX_CASE(GetDocumentPath, std::int64_t{0}, 1, nullptr, kVersion),
      QX_CASE(SelectExpressionDialog, std::int64_t{0}, nullptr, nullptr, nullptr, nullptr, kVersion),
      QX_CASE(MassMover, std::int64_t{0}, nullptr, nullptr, kVersion),
      QX_VOID_CASE(RebuildMenuSystem, 1, kVersion),
      QX_CASE(EnableBusyDetection, std::int64_t{0}, 1, kVersion),
      QX_CASE(ExecuteMenuItem, std::int64_t{0}, 12106, kVersion),
      QX_CASE(AnalyzeChord, std::int64_t{0}, nullptr, nullptr, nullptr, kVersion),
      QX_CASE(InsertMeasures, std::int64_t{0}, 1, 2, 3, kVersion),
      QX_CASE(DeleteMeasures, std::int64_t{0}, 1, 2, 3, kVersion),
      QX_CASE(NewMorvelDocument, std::int64_t{0}, kVersion),
      QX_CASE(CloseMorvelDocument, std::int64_t{0}, 1, kVersion),
      QX_CASE(IsMorvelDocumentDirty, std::int64_t{0}, 1, kVersion),
      QX_VOID_CASE(SetMorvelDocumentDirty, 1, 1, kVersion),
      QX_VOID_CASE(GetPrintSettings, nullptr, kVersion),
      QX_CASE(PrintCurrentDocument, std::int64_t{0}, nullptr, kVersion),
      QX_CASE(PrintDocument, std::int64_t{0}, 1, nullptr, kVersion),
      QX_VOID_CASE(PrintDocuments, nullptr, 1, nullptr, kVersion),
      QX_CASE(OpenDocument, std::int64_t{0}, nullptr, 1, 2, 3, 4, 5, kVersion),
      QX_CASE(CloseCurrentDocumentWindow, std::int64_t{0}, kVersion),
      QX_CASE(SaveDocument, std::int64_t{0}, nullptr, 1, 2, kVersion),
      QX_VOID_CASE(DeleteMidiExpressions, 1, 2, kVersion),
      QX_VOID_CASE(DeleteTempoRecords, 1, kVersion),
      QX_CASE(GetWindowCount, std::int64_t{0}, kVersion),
      QX_CASE(GetWindowInfoList, std::int64_t{0}, nullptr, 1, kVersion),
      QX_CASE(GetCurrentWindowInfo, std::int64_t{0}, nullptr, kVersion),
      QX_CASE(GetCurrentWindow, std::int64_t{0}, kVersion),
      QX_CASE(SetCurrentWindow, std::int64_t{0}, nullptr, kVersion),
      QX_CASE(ProcessMidiData, std::int64_t{-1}, nullptr, kVersion),
      QX_CASE(QueryK2Slot, std::int64_t{0}, 1, 2, 3, 4, 5, 6, kVersion),
      QX_CASE(QueryAriaSlot, std::int64_t{0}, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
              19, kVersion),
      QX_CASE(GetCurrentPartID, std::int64_t{-1}, kVersion),
      QX_VOID_CASE(SetCurrentPartID, 1, kVersion),
      QX_VOID_CASE(SetCurrentPartInView, 1, kVersion),
      QX_CASE(GetNextPartID, std::int64_t{-1}, 1, kVersion),
      QX_CASE(GetPartName, BlankString{}, 1, kVersion),
      QX_CASE(CountParts, std::int64_t{-1}, kVersion),
      QX_CASE(CopyCutMusic, std::int64_t{0}, nullptr, 1, kVersion),
      QX_CASE(InsertMergeMusic, std::int64_t{0}, 1, nullptr, 1, kVersion),
      QX_CASE(DisposeQuaClipFileToken, std::int64_t{0}, 1, kVersion),
      QX_CASE(SetDefaultMusicFont, std::int64_t{0}, 1, 2, 3, kVersion),
      QX_VOID_CASE(OpenHelpItem, "help", kVersion),
      QX_CASE(GetTextEncoding, std::int64_t{-2}, kVersion),
      QX_VOID_CASE(GetSMPParts, nullptr, kVersion),
      QX_CASE(GetPlaybackSystem, std::int64_t{-1}, kVersion),
      QX_CASE(AutoRehearsalInsert, std::int64_t{0}, 1, 2, 3, nullptr, 4, kVersion),
      QX_CASE(GetPercMapRefData, std::int64_t{0}, 1, nullptr, nullptr, 2, kVersion),
      QX_CASE(CreatePercMapRefData, std::int64_t{0}, nullptr, nullptr, kVersion),
      QX_CASE(GetEntryMetrics2009a, std::int64_t{0}, 1, 2, nullptr, nullptr, nullptr, 3, kVersion),
      QX_CASE(GetTGFEntryMetrics2009a, std::int64_t{0}, nullptr, nullptr, nullptr, 1, kVersion),
      QX_CASE(GetMeasureMetrics, std::int64_t{0}, 1, 2, nullptr, 3, kVersion),
      QX_VOID_CASE(FreeEntryMetrics, nullptr, kVersion),
      QX_VOID_CASE(FreeMeasureMetrics, nullptr, kVersion),
  };
  return cases;
}

TEST_F(HostBindingTest, MissingFunctionsGiveTheirFixedResultOnEveryCallAndAreLookedUpOnce) {
  WithholdEverything();
  for (const FallbackCase& c : FallbackCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(), c.expected);
    EXPECT_EQ(c.call(), c.expected);
    EXPECT_EQ(platform.procLookups[c.name], 1);
  }
  EXPECT_TRUE(exports().Calls().empty());
}

TEST_F(HostBindingTest, FixedResultsAlsoApplyWhenNoHostProgramIsRunning) {
  platform.loadedPrograms.clear();
  for (const FallbackCase& c : FallbackCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(), c.expected);
  }
  // Both program names were asked for once; the empty outcome was kept.
  EXPECT_EQ(platform.moduleLookups, (std::vector<std::string>{"QUAVIX.EXE", "QUADEMO.EXE"}));
}

// Every wrapper, the required ones included, with its host function missing:
// none may call through an empty address; the required ones answer the zero
// value of their result type.
template <typename Lack, typename Call>
void ExpectSafeWhenMissing(const char* name, Call call) {
  SCOPED_TRACE(name);
  using Result = decltype(call());
  if constexpr (std::is_void_v<Result>) {
    call();
  } else if constexpr (std::is_same_v<Lack, quavix::kind::Required>) {
    EXPECT_EQ(call(), Result{});
  } else {
    (void)call();  // the fixed results are checked case by case above
  }
}

TEST_F(HostBindingTest, EveryWrapperIsSafeWhenTheHostLacksItsFunction) {
  WithholdEverything();
#define QX_ZERO_ARG(k, index) quavix::kind::k::Param{},
#define QX_HOST_FUNCTION(Name, R, Lack, ...) \
  ExpectSafeWhenMissing<quavix::kind::Lack>( \
      "FX_" #Name, [] { return FX_##Name(QX_MAP(QX_ZERO_ARG, __VA_ARGS__) kVersion); });
#include "interface/HostFunctions.def"
#undef QX_ZERO_ARG
  EXPECT_EQ(static_cast<int>(platform.procLookups.size()), quavix::kHostFunctionCount);
  EXPECT_TRUE(exports().Calls().empty());
}

// Host functions the tests provide, recording the raw 32-bit argument words.
struct Words {
  std::int64_t a = 0, b = 0, c = 0;
  std::uint32_t version = 0;
  int calls = 0;
};
Words g_words;
std::int32_t g_result = 0;

std::int32_t QXAPI RecordTwoWords(std::int32_t a, std::uint32_t b, std::uint32_t version) {
  g_words.a = a;
  g_words.b = b;
  g_words.version = version;
  ++g_words.calls;
  return g_result;
}
std::int32_t QXAPI RecordFlagWord(std::int32_t a, EREGION*, std::uint32_t flag, std::uint32_t version) {
  g_words.a = a;
  g_words.c = flag;
  g_words.version = version;
  ++g_words.calls;
  return g_result;
}
std::int32_t QXAPI ReturnResult(std::uint32_t) {
  ++g_words.calls;
  return g_result;
}
std::int32_t QXAPI ReturnResultFromTwoPointers(void*, void*, std::uint32_t) { return g_result; }
std::int32_t QXAPI RecordChordVersion(void*, void*, void*, std::uint32_t version) {
  g_words.version = version;
  return 1;
}

TEST_F(HostBindingTest, FoundFunctionIsLookedUpOnceAndCalledEveryTime) {
  g_words = {};
  g_result = 7;
  Provide("FX_GetMaxLayers", &ReturnResult);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(FX_GetMaxLayers(kVersion), 7);
  EXPECT_EQ(g_words.calls, 3);
  EXPECT_EQ(platform.procLookups["FX_GetMaxLayers"], 1);
  // The host module itself was looked up once for all functions.
  FX_GetCurrentMorvelDocument(kVersion);
  EXPECT_EQ(platform.moduleLookups, std::vector<std::string>{"QUAVIX.EXE"});
}

TEST_F(HostBindingTest, FunctionMissingAtFirstCallIsNeverLookedUpAgain) {
  exports().Withhold(host::HostFn::CountParts);
  EXPECT_EQ(FX_CountParts(kVersion), -1);
  // Exporting it later changes nothing: the first outcome stands.
  exports().Withhold(host::HostFn::CountParts, false);
  EXPECT_EQ(FX_CountParts(kVersion), -1);
  EXPECT_EQ(FX_CountParts(kVersion), -1);
  EXPECT_EQ(platform.procLookups["FX_CountParts"], 1);
  EXPECT_EQ(exports().CallCount(host::HostFn::CountParts), 0);
}

TEST_F(HostBindingTest, NarrowArgumentsReachTheHostReExtendedWithTheirSignedness) {
  g_words = {};
  Provide("FX_SlotToInst", &RecordTwoWords);
  FX_SlotToInst(static_cast<short>(0xFFFF), static_cast<unsigned short>(0xFFFF), kVersion);
  EXPECT_EQ(g_words.a, -1);
  EXPECT_EQ(g_words.b, 65535);
  EXPECT_EQ(g_words.version, kVersion);
  // Only the low 16 bits of a wider value survive the conversion.
  FX_SlotToInst(static_cast<short>(0x12345), static_cast<unsigned short>(0x18000), kVersion);
  EXPECT_EQ(g_words.a, 0x2345);
  EXPECT_EQ(g_words.b, 0x8000);

  Provide("FX_InsertMergeMusic", &RecordFlagWord);
  FX_InsertMergeMusic(-5, nullptr, static_cast<unsigned char>(0x1FF), kVersion);
  EXPECT_EQ(g_words.a, -5);
  EXPECT_EQ(g_words.c, 0xFF);
}

TEST_F(HostBindingTest, NarrowResultsAreTakenFromTheLowHalfAndExtended) {
  Provide("FX_GetMaxLayers", &ReturnResult);                         // S
  Provide("FX_CreatePercMapRefData", &ReturnResultFromTwoPointers);  // U
  struct Case {
    std::uint32_t raw;
    short asSigned;
    unsigned short asUnsigned;
  };
  for (const Case& c : {Case{0x1234FFFFu, -1, 65535}, Case{0xFFFF7FFFu, 32767, 32767},
                        Case{0x00008000u, -32768, 32768}, Case{0xABCD0000u, 0, 0}}) {
    g_result = static_cast<std::int32_t>(c.raw);
    EXPECT_EQ(FX_GetMaxLayers(kVersion), c.asSigned) << std::hex << c.raw;
    EXPECT_EQ(FX_CreatePercMapRefData(nullptr, nullptr, kVersion), c.asUnsigned) << std::hex << c.raw;
  }
}

std::int32_t QXAPI ReturnResultIgnoringToken(std::int32_t, std::uint32_t) { return g_result; }

TEST_F(HostBindingTest, EightBitResultKeepsTheHostsByteZeroExtended) {
  Provide("FX_DisposeQuaClipFileToken", &ReturnResultIgnoringToken);
  struct Case {
    std::uint32_t raw;
    unsigned expected;
  };
  for (const Case& c : {Case{0x00u, 0}, Case{0x01u, 1}, Case{0x02u, 2}, Case{0x7Fu, 127}, Case{0x80u, 128},
                        Case{0xFFu, 255}, Case{0x100u, 0}, Case{0xFFFFFF02u, 2}}) {
    g_result = static_cast<std::int32_t>(c.raw);
    EXPECT_EQ(static_cast<unsigned>(FX_DisposeQuaClipFileToken(1, kVersion)), c.expected)
        << std::hex << c.raw;
  }
}

TEST_F(HostBindingTest, AnalyzeChordAsksForTheFirstChordLayoutAtLeast) {
  Provide("FX_AnalyzeChord", &RecordChordVersion);
  struct Case {
    std::uint32_t given, passed;
  };
  for (const Case& c :
       {Case{0x0AFFFFFF, 0x0B000000}, Case{0, 0x0B000000}, Case{0x05000000, 0x0B000000},
        Case{0x0B000000, 0x0B000000}, Case{0x0F000200, 0x0F000200}, Case{0xFF000000, 0xFF000000}}) {
    g_words = {};
    EXPECT_EQ(FX_AnalyzeChord(nullptr, nullptr, nullptr, c.given), 1);
    EXPECT_EQ(g_words.version, c.passed) << std::hex << c.given;
  }
}

std::int32_t g_hostShowHideCalls = 0;
std::int32_t QXAPI HostShowHide(void*, std::int32_t, std::int32_t, std::uint32_t) {
  ++g_hostShowHideCalls;
  return 42;
}

TEST_F(HostBindingTest, ShowHideDialogItemFallsBackToTheWindowSystem) {
  char dialog[16];
  struct Case {
    bool hostHasIt;
    std::uint32_t version;
    short show;
    bool viaHost;
    int command;
  };
  for (const Case& c : {Case{true, 0x0F000200, 1, true, 0}, Case{true, 0x0B020000, 0, true, 0},
                        Case{true, 0x0B01FFFF, 1, false, 1}, Case{true, 0x0B01FFFF, 0, false, 0},
                        Case{false, 0x0F000200, 5, false, 1}, Case{false, 0x0F000200, 0, false, 0}}) {
    SCOPED_TRACE(testing::Message() << std::hex << c.version << " host " << c.hostHasIt << " show "
                                    << c.show);
    qxtest::ResetModuleState();
    platform.overrides.clear();
    platform.windowCalls.clear();
    g_hostShowHideCalls = 0;
    if (c.hostHasIt)
      Provide("FX_ShowHideDlgItem", &HostShowHide);
    else
      exports().Withhold(host::HostFn::ShowHideDlgItem);
    const std::int32_t result = FX_ShowHideDlgItem(dialog, 3, c.show, c.version);
    EXPECT_EQ(platform.procLookups["FX_ShowHideDlgItem"] > 0, true);
    if (c.viaHost) {
      EXPECT_EQ(result, 42);
      EXPECT_EQ(g_hostShowHideCalls, 1);
      EXPECT_TRUE(platform.windowCalls.empty());
    } else {
      EXPECT_EQ(result, 1);
      EXPECT_EQ(g_hostShowHideCalls, 0);
      ASSERT_EQ(platform.windowCalls.size(), 2u);
      EXPECT_EQ(platform.windowCalls[0].function, "GetDlgItem");
      EXPECT_EQ(platform.windowCalls[0].value, 3);
      EXPECT_EQ(platform.windowCalls[1].function, "ShowWindow");
      EXPECT_EQ(platform.windowCalls[1].window, dialog + 3);
      EXPECT_EQ(platform.windowCalls[1].value, c.command);
    }
  }
}

}  // namespace
