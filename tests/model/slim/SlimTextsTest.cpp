#include <gtest/gtest.h>

#include "model/Cp932.h"
#include "model/SlimTexts.h"
#include "support/Files.h"

namespace morvik {
namespace {

using test::Sjis;

TEST(SlimTexts, FunctionListAndSummaries) {
    EXPECT_EQ(SlimFunctionLabel(SlimFunction::Browser), Sjis("機能1"));
    EXPECT_EQ(SlimFunctionLabel(SlimFunction::TorucaMailer), Sjis("機能4"));
    EXPECT_EQ(SlimDocomoSummary(SlimFunction::Browser), Sjis("NTTドコモ：ブラウザ起動"));
    EXPECT_EQ(SlimOthersSummary(SlimFunction::Browser), Sjis("その他：ブラウザ起動"));
    EXPECT_EQ(SlimDocomoSummary(SlimFunction::TorucaBrowser), Sjis("NTTドコモ：トルカ配布"));
    EXPECT_EQ(SlimOthersSummary(SlimFunction::BrowserMailer), Sjis("その他：メーラ起動"));
    EXPECT_EQ(SlimFunctionDescription(SlimFunction::Browser), Sjis("ブラウザ起動を行います。"));
    EXPECT_EQ(SlimFunctionDescription(SlimFunction::TorucaMailer),
              SlimFunctionDescription(SlimFunction::BrowserMailer));
    EXPECT_NE(SlimFunctionDescription(SlimFunction::TorucaMailer),
              SlimFunctionDescription(SlimFunction::Browser));
    EXPECT_EQ(SlimSizeText(160, 130), "160 / 130 Bytes");
}

}  // namespace
}  // namespace morvik
