#include "app/window/panels.h"

#include "details/growth.h"
#include "details/schedule.h"
#include "export/list_file.h"

namespace brisanel::app {
namespace {

constexpr int kInterestsResults[] = {3, 4};
constexpr int kEmiResults[] = {14, 15, 16};
constexpr int kRecoveryResults[] = {9, 10, 12};
// The annual rate stays until an input of the panel changes.
constexpr int kRateResults[] = {22};

using details::kGrowthHeader;
using details::kScheduleHeader;
using saving::kGrowthTitle;
using saving::kScheduleTitle;

// clang-format off
constexpr Panel kPanels[] = {
    // frame    command       first box    height results           clears list                                   saved by
    {"Frame4", "mnFindRate", "Text1(6)",  3690, kRateResults,      true,  kGrowthTitle,   kGrowthHeader,   "Label5"},
    {"Frame3", "mnEMI",      "Text1(20)", 3690, kEmiResults,       false, kScheduleTitle, kScheduleHeader, "PrintList"},
    {"Frame2", "mnRecovery", "Text1(5)",  3690, kRecoveryResults,  false, kScheduleTitle, kScheduleHeader, "PrintListM"},
    {"Frame1", "mnInterest", "Text1(0)",  3585, kInterestsResults, false, kScheduleTitle, kScheduleHeader, nullptr},
};
// clang-format on

}  // namespace

std::span<const Panel> panels() {
    return kPanels;
}

}  // namespace brisanel::app
