// The rules behind the MiniSx detailed window's write buttons: both sets' selected pages and the
// NDEF record's 184 bytes.

#include <gtest/gtest.h>

#include <string>

#include "model/MiniSxEditorRules.h"

namespace morvik {
namespace {

TEST(MiniSxEditorRules, WriteButtonsFollowBothSetsAndTheNdefLimit) {
    MiniSxSettings settings;
    EXPECT_TRUE(MiniSxWriteButtonsEnabled(settings));
    settings.nfc.url = std::string(184, 'a');
    EXPECT_EQ(CountNfcUrl(settings.nfc), (PageCounter{184, 184, false}));
    EXPECT_TRUE(MiniSxWriteButtonsEnabled(settings));
    settings.nfc.url += 'a';
    EXPECT_EQ(CountNfcUrl(settings.nfc), (PageCounter{185, 184, true}));
    EXPECT_FALSE(MiniSxWriteButtonsEnabled(settings));

    // The smartphone set counts even while its page is hidden: it is written all the same.
    settings.nfc.url.clear();
    settings.smartphone.Choose(SmartphoneChoice::Basic);
    settings.sets[1].docomo.Select(BrowserRecord{std::string(185, 'a'), ""});
    EXPECT_FALSE(MiniSxWriteButtonsEnabled(settings));
}

}  // namespace
}  // namespace morvik
