#pragma once
// Names of the detection log view's texts (res/AppStrings.cpp, 4800-4899): the messages of the
// CSV reader and the labels of the summary, shown alike by the chart window and by
// `morvik dlog summary`.

namespace morvik::res::ids {

// Why a file is not read as a detection log ("%lld": the line).
inline constexpr int kDlogViewNotHeader = 4800;
inline constexpr int kDlogViewCutLine = 4801;
inline constexpr int kDlogViewLineEnd = 4802;
inline constexpr int kDlogViewFieldCount = 4803;
inline constexpr int kDlogViewBadValue = 4804;  // "%s": the column
inline constexpr int kDlogViewBadLine = 4805;
inline constexpr int kDlogViewTooLarge = 4806;  // "%d": megabytes
// The summary.
inline constexpr int kDlogViewFailure = 4810;
inline constexpr int kDlogViewOther = 4811;
inline constexpr int kDlogViewRecords = 4812;      // "%s": the count
inline constexpr int kDlogViewPeriod = 4813;       // "%s" "%s": first and last time
inline constexpr int kDlogViewSuccessRate = 4814;  // "%s": the percentage
inline constexpr int kDlogViewNoSuccessRate = 4815;
inline constexpr int kDlogViewInconsistent = 4816;  // "%s": the count
inline constexpr int kDlogViewUndated = 4817;       // "%s": the count
inline constexpr int kDlogViewNoRecords = 4818;
// The charts.
inline constexpr int kDlogViewPerDay = 4820;
inline constexpr int kDlogViewPerHour = 4821;
inline constexpr int kDlogViewResults = 4822;
inline constexpr int kDlogViewKinds = 4823;
inline constexpr int kDlogViewSets = 4824;
inline constexpr int kDlogViewHourUnit = 4825;
inline constexpr int kDlogViewCountUnit = 4826;
// The window.
inline constexpr int kDlogViewCaption = 4830;  // "%s": the file name
inline constexpr int kDlogViewPeriodLabel = 4831;
inline constexpr int kDlogViewPeriodTo = 4832;
inline constexpr int kDlogViewWholePeriod = 4833;
inline constexpr int kDlogViewSaveImage = 4834;
inline constexpr int kDlogViewImageFilter = 4835;
inline constexpr int kDlogViewImageSaveFailed = 4836;
inline constexpr int kDlogViewMenuOpen = 4837;
inline constexpr int kDlogViewShow = 4838;

}  // namespace morvik::res::ids
