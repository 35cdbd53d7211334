#include "ui/control/run_status.h"

#include <algorithm>

#include "common/number_text.h"
#include "data/progress_lines.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/driver/fit_all.h"
#include "ui/control/window_texts.h"

namespace quarlin::ui {

RunStatus::RunStatus(const std::string& preference, bool compositeWanted)
    : bestOfAll_(preference == "1"), text_(kRunStartedStatus) {
  std::vector<int> codes;
  if (bestOfAll_) {
    codes = FitSequence(compositeWanted);
  } else if (const int code = PreferredCode(preference); code != 0) {
    codes = {code};
  }
  // The first of a fit's lines marks it done; the Student pair shows its
  // line once, under the first of its two codes. A fit without a line of
  // its own (56) is counted with the next one.
  for (int code : codes) {
    const DistributionRow* row = FindRow(code);
    fitLines_.emplace_back(row ? row->progressLines[0] : std::string_view());
  }
}

void RunStatus::Line(const std::string& line) {
  if (line == kSavingDataLine) {
    text_ = kRunSavingStatus;
  } else if (line == kCalculatingLine) {
    if (bestOfAll_)
      ShowFits();
    else
      text_ = kRunFittingPreferredStatus;
  } else if (line == kProgress75Line || line == kAlmostDoneLine) {
    text_ = kRunReportStatus;
  } else if (line == kFilingResultsLine) {
    text_ = kRunFilingStatus;
  } else {
    // A fit that found nothing to fit shows no line: the next fit's line
    // counts it as done too.
    const auto from = fitLines_.begin() + static_cast<std::ptrdiff_t>(done_);
    const auto at = line.empty() ? fitLines_.end() : std::find(from, fitLines_.end(), line);
    if (at == fitLines_.end()) return;
    done_ = static_cast<size_t>(at - fitLines_.begin()) + 1;
    if (bestOfAll_)
      ShowFits();
    else
      text_ = kRunPreferredFittedStatus;
  }
}

void RunStatus::ShowFits() {
  text_ = kRunFittedStatusStart + Int(static_cast<long long>(done_)) + kRunFittedStatusOf +
          Int(static_cast<long long>(fitLines_.size())) + kRunFittedStatusEnd;
}

}  // namespace quarlin::ui
