// The rules of the Slim settings window without the window: which groups take input for each
// function, sizes against capacities and the buttons they block, the service window's set-up,
// and the field table the window builds its edits from.

#include <gtest/gtest.h>

#include <set>

#include "model/SlimEditorFields.h"
#include "model/SlimEditorView.h"
#include "model/SlimFieldChecks.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

struct Enabling {
    const char* name;
    SlimFunction function;
    bool browser, toruca, mailer;
    int description;
};

void PrintTo(const Enabling& e, std::ostream* out) {
    *out << e.name;
}

class SlimGroupEnabling : public ::testing::TestWithParam<Enabling> {};

TEST_P(SlimGroupEnabling, FollowsTheFunction) {
    const Enabling& e = GetParam();
    SlimEditorState state;
    state.function = e.function;
    const SlimEditorView view = ViewSlimEditor(state, SlimEditorMode::Normal);
    EXPECT_EQ(view.browser.enabled, e.browser);
    EXPECT_EQ(view.toruca.enabled, e.toruca);
    EXPECT_EQ(view.mailer.enabled, e.mailer);
    EXPECT_EQ(view.toruca.queryPairEnabled, e.toruca);
    EXPECT_EQ(view.description, res::TextCp932(e.description));
}

INSTANTIATE_TEST_SUITE_P(
    Functions, SlimGroupEnabling,
    ::testing::Values(Enabling{"Function1", SlimFunction::Browser, true, false, false, 407},
                      Enabling{"Function2", SlimFunction::TorucaBrowser, true, true, false, 408},
                      Enabling{"Function3", SlimFunction::BrowserMailer, true, false, true, 408},
                      Enabling{"Function4", SlimFunction::TorucaMailer, false, true, true, 408}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SlimEditorView, AnEnabledGroupOverItsCapacityBlocksWritingUntilItIsDisabled) {
    SlimEditorState state;
    state.function = SlimFunction::BrowserMailer;
    state.browser.url = "http://a/";
    state.mailer.to = std::string(40, 'a');
    state.mailer.cc = std::string(40, 'b');
    state.mailer.subject = std::string(40, 'c');
    state.mailer.body = std::string(30, 'd');  // 150 in all
    state.mailerQuery = true;
    state.encryptQuery = true;
    SlimEditorView view = ViewSlimEditor(state, SlimEditorMode::Normal);
    EXPECT_EQ(view.mailer.sum, 150);
    EXPECT_EQ(view.mailer.capacity, 124);
    EXPECT_TRUE(view.mailer.over);
    EXPECT_FALSE(view.writeAllowed);

    state.function = SlimFunction::TorucaBrowser;
    view = ViewSlimEditor(state, SlimEditorMode::Normal);
    EXPECT_TRUE(view.mailer.over);  // still drawn red
    EXPECT_TRUE(view.writeAllowed);

    state.encryptQuery = false;
    state.function = SlimFunction::BrowserMailer;
    EXPECT_EQ(ViewSlimEditor(state, SlimEditorMode::Normal).mailer.capacity, 144);
}

TEST(SlimEditorView, ServiceWindowHasNoMailerAndFixedEncryptedQueries) {
    const SlimServicePresets presets{"http://s/?", "a\\r\\nb", "http://t/&", "1f"};
    SlimEditorState state = SlimServiceStartState(presets);
    EXPECT_EQ(state.browser.message, "a\r\nb");  // unescaped for the window
    EXPECT_EQ(SlimOfferedFunctions(SlimEditorMode::Service).size(), 2u);
    EXPECT_EQ(BuildSlimSettings(state).que, "3");

    state.function = SlimFunction::TorucaBrowser;
    const SlimEditorView view = ViewSlimEditor(state, SlimEditorMode::Service);
    EXPECT_TRUE(view.browser.enabled);
    EXPECT_TRUE(view.toruca.enabled);
    EXPECT_FALSE(view.toruca.queryPairEnabled);
    EXPECT_FALSE(view.browser.queryPairEnabled);
    EXPECT_EQ(BuildSlimSettings(state).que, "15");

    state.function = SlimFunction::BrowserMailer;  // never offered, and the mailer stays off
    EXPECT_FALSE(ViewSlimEditor(state, SlimEditorMode::Service).mailer.enabled);
}

TEST(SlimEditorFields, EachEntryBindsItsOwnFieldWithItsLimitAndMessage) {
    SlimEditorState state;
    std::set<const std::string*> bound;
    for (const SlimFieldSpec& entry : SlimFieldSpecs()) {
        bound.insert(&SlimFieldText(state, entry.field));
        SlimFieldText(state, entry.field) = "x";
        // Every field but the icon counts against its own record's capacity.
        EXPECT_EQ(SlimSumOf(state, entry.kind), entry.field == SlimField::TorucaIcon ? 0 : 1);
        SlimFieldText(state, entry.field).clear();
    }
    EXPECT_EQ(bound.size(), static_cast<std::size_t>(kSlimFieldCount));
    EXPECT_EQ(SpecOf(SlimField::TorucaData1).limit, 40);
    EXPECT_EQ(SlimLengthMessage(SlimField::TorucaData1), SlimLimitMessage(937, 40));
    EXPECT_EQ(SpecOf(SlimField::MailBody).limit, 98);
    EXPECT_TRUE(SpecOf(SlimField::TorucaData2).multiLine);
    EXPECT_FALSE(SpecOf(SlimField::TorucaData1).multiLine);
}

}  // namespace
}  // namespace morvik
