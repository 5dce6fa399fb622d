#include <gtest/gtest.h>

#include <set>

#include "model/Escape.h"
#include "model/SlimCatalogue.h"
#include "model/SlimSettings.h"
#include "model/SlimValidation.h"
#include "model/Validators.h"
#include "model/slim/SlimGen.h"

namespace morvik {
namespace {

const SlimFunction kFunctions[] = {SlimFunction::Browser, SlimFunction::TorucaBrowser,
                                   SlimFunction::BrowserMailer, SlimFunction::TorucaMailer};

// Editor state -> values -> editor state gives back the state, with no message, for valid
// states of every function; and the values built again are the values read.
TEST(SlimRoundTrip, GeneratedStatesOfEveryFunction) {
    slimtest::SlimGen gen(20240611);
    for (SlimFunction function : kFunctions) {
        for (int i = 0; i < 300; ++i) {
            const SlimEditorState state = gen.State(function);
            ASSERT_EQ(ValidateSlimEditorState(state), std::nullopt) << "generator made " << i;
            const SlimSettings values = BuildSlimSettings(state);
            const SlimDecoded decoded = DecodeSlimSettings(values);
            EXPECT_TRUE(decoded.messages.empty()) << decoded.messages.front();
            ASSERT_EQ(decoded.state, state) << "function " << static_cast<int>(function) << " psh1 "
                                            << values.psh1 << " psh2 " << values.psh2;
            EXPECT_EQ(BuildSlimSettings(decoded.state), values);
        }
    }
}

// A line break counts two bytes in the length while the value carries "\r\n"; a space counts
// one and travels as "\s"; "ソ" keeps its second byte and gets one more backslash.
TEST(SlimRoundTrip, LengthsCountTypedBytesWhileTheValueIsEscaped) {
    SlimEditorState state;
    state.browser.url = "http://a/";
    state.browser.message = "a b\r\n\x83\x5C";
    const SlimSettings values = BuildSlimSettings(state);
    EXPECT_EQ(values.func, "0");
    EXPECT_EQ(values.psh1, "00907http://a/a\\sb\\r\\n\x83\x5C\x5C");
    EXPECT_EQ(values.psh2, "");
    EXPECT_EQ(values.que, "0");
    EXPECT_EQ(values.disp, "0");
}

// The category icon is upper-cased, loses its "0x" and is padded on the left to four
// characters; read back, the padding goes and the icon passes its check.
TEST(SlimRoundTrip, CategoryIconPaddingAndPrefix) {
    SlimEditorState state;
    state.function = SlimFunction::TorucaBrowser;
    state.browser.url = "http://b/";
    state.toruca.detailUrl = "http://t/";
    for (const char* typed : {"0x1a", "1A", "0X1a", "1a"}) {
        state.toruca.categoryIcon = typed;
        const SlimSettings values = BuildSlimSettings(state);
        EXPECT_EQ(values.psh1, "109000000\\s\\s1Ahttp://t/") << typed;
        EXPECT_EQ(Unescape(values.psh1), "109000000  1Ahttp://t/") << typed;
        const SlimDecoded decoded = DecodeSlimSettings(values);
        EXPECT_TRUE(decoded.messages.empty()) << typed;
        EXPECT_EQ(decoded.state.toruca.categoryIcon, "1A") << typed;
    }
    state.toruca.categoryIcon = "FFFF";
    EXPECT_EQ(BuildSlimSettings(state).psh1, "109000000FFFFhttp://t/");
}

// que written from the switches: bit 0 and 2 from the records' switches, bits 1 and 3 copy
// them when the encryption box is checked; 機能1 has no second record. Every value written
// passes the check a read applies.
TEST(SlimRoundTrip, QueValuesFromSwitches) {
    for (SlimFunction function : kFunctions) {
        std::set<int> written;
        for (int bits = 0; bits < 16; ++bits) {
            SlimEditorState state;
            state.function = function;
            state.browserQuery = bits & 1;
            state.torucaQuery = bits & 2;
            state.mailerQuery = bits & 4;
            state.encryptQuery = bits & 8;
            const int que = BuildSlimQue(state);
            written.insert(que);
            EXPECT_TRUE(CheckQueryFlags(function == SlimFunction::Browser ? 0 : 1, que)) << que;
            // Read back, the switches of the function's records come out as they went in.
            SlimEditorState read;
            read.function = function;
            ApplySlimQue(que, read);
            for (SlimRecordKind kind : EnabledKinds(function)) {
                EXPECT_EQ(read.QueryOn(kind), state.QueryOn(kind));
            }
            if (que != 0) {
                EXPECT_EQ(read.encryptQuery, state.encryptQuery);
            }
        }
        if (function == SlimFunction::Browser) {
            EXPECT_EQ(written, (std::set<int>{0, 1, 3}));
        } else {
            EXPECT_EQ(written, (std::set<int>{0, 1, 3, 4, 5, 12, 15}));
        }
    }
    // 機能2: psh1 is the Toruca record, psh2 the browser record.
    SlimEditorState state;
    state.function = SlimFunction::TorucaBrowser;
    state.browserQuery = true;
    EXPECT_EQ(BuildSlimQue(state), 4);
    state.encryptQuery = true;
    EXPECT_EQ(BuildSlimQue(state), 12);
}

TEST(SlimRoundTrip, BehaviourFlagsAndSummary) {
    SlimBehaviour all;
    EXPECT_EQ(DispFromBehaviour(all), 0);
    SlimBehaviour noBuzzer;
    noBuzzer.buzzer = false;
    EXPECT_EQ(DispFromBehaviour(noBuzzer), 2);
    EXPECT_EQ(SummarizeBehaviour(noBuzzer), (SlimBehaviourSummary{true, true, false, true, false}));
    const SlimBehaviour noFailure = BehaviourFromDisp(4);
    EXPECT_TRUE(noFailure.buzzer);
    EXPECT_FALSE(noFailure.failureLampBuzzer);
    EXPECT_EQ(SummarizeBehaviour(noFailure),
              (SlimBehaviourSummary{true, false, false, true, true}));
    const SlimBehaviour none = BehaviourFromDisp(15);
    EXPECT_EQ(SummarizeBehaviour(none), (SlimBehaviourSummary{false, false, false, false, false}));
    for (int disp = 0; disp < 16; ++disp) {
        EXPECT_EQ(DispFromBehaviour(BehaviourFromDisp(disp)), disp);
    }
    EXPECT_EQ(SlimOnOffText(true), "ON");
    EXPECT_EQ(SlimOnOffText(false), "OFF");
}

// What a write sends and in which order, with the code that names each value in a checksum
// failure; 機能1 leaves psh2 alone.
TEST(SlimRoundTrip, WriteAndFileSequences) {
    SlimEditorState state;
    state.browser.url = "http://a/";
    const SlimSettings values = BuildSlimSettings(state);
    auto keys = [](const std::vector<std::pair<SlimKey, std::string>>& sequence) {
        std::string joined;
        for (const auto& [key, value] : sequence) {
            joined += SlimKeyText(key) + SlimWriteErrorCode(key) + "=" + value + ";";
        }
        return joined;
    };
    EXPECT_EQ(keys(SlimWriteSequence(values, SlimFunction::Browser)),
              "disp(211)=0;func(191)=0;psh1(213)=00900http://a/;que(199)=0;");
    state.function = SlimFunction::BrowserMailer;
    state.mailer.to = "a@b";
    const SlimSettings values3 = BuildSlimSettings(state);
    EXPECT_EQ(keys(SlimWriteSequence(values3, SlimFunction::BrowserMailer)),
              "disp(211)=0;func(191)=1;psh1(213)=00900http://a/;psh2(214)=20300000000a@b;"
              "que(199)=0;");
    EXPECT_EQ(keys(SlimFileSequence(values3, SlimFunction::BrowserMailer)),
              "func(191)=1;que(199)=0;psh1(213)=00900http://a/;psh2(214)=20300000000a@b;"
              "disp(211)=0;");
    EXPECT_EQ(SlimFileSequence(values, SlimFunction::Browser).size(), 4u);
}

}  // namespace
}  // namespace morvik
