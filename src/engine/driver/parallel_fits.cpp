#include "engine/driver/parallel_fits.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "engine/catalogue/distribution_table.h"

namespace quarlin {
namespace {

// The fits that take longest on large samples, longest first. Workers start
// with these, so that no long fit is left to run alone at the end while the
// other processors idle; the driver still takes the results in its order.
constexpr int kLongestFirst[] = {kFisherTippett3,
                                 kBurr,
                                 kKumaraswamy,
                                 kGeneralizedNormal,
                                 kGeneralizedRayleigh,
                                 kFrechet,
                                 kGev,
                                 kGeneralizedLaplace,
                                 kGeneralizedGompertz,
                                 kAdjustedFisk,
                                 kGeneralizedMirroredGumbel,
                                 kGamma};

std::optional<size_t> IndexOf(const std::vector<int>& codes, int code) {
  const auto at = std::find(codes.begin(), codes.end(), code);
  if (at == codes.end()) return std::nullopt;
  return static_cast<size_t>(at - codes.begin());
}

// partner[i]: the index of the fit that code i's work fits as well (the
// second of a pair, see FitPaired), or codes.size().
std::vector<size_t> Partners(const std::vector<int>& codes) {
  std::vector<size_t> partner(codes.size(), codes.size());
  for (int code : {kFisherTippett3, kFrechet, kBurr}) {
    const auto first = IndexOf(codes, code), second = IndexOf(codes, PairedCode(code));
    if (first && second) partner[*first] = *second;
  }
  return partner;
}

// The order in which the workers take the codes; a pair's second comes
// with its first and is not taken on its own.
std::vector<size_t> WorkOrder(const std::vector<int>& codes, const std::vector<size_t>& partner) {
  std::vector<size_t> order;
  std::vector<bool> taken(codes.size(), false);
  for (size_t i = 0; i < codes.size(); ++i)
    if (partner[i] < codes.size()) taken[partner[i]] = true;
  for (int code : kLongestFirst) {
    for (size_t i = 0; i < codes.size(); ++i) {
      if (codes[i] == code && !taken[i]) {
        order.push_back(i);
        taken[i] = true;
      }
    }
  }
  for (size_t i = 0; i < codes.size(); ++i)
    if (!taken[i]) order.push_back(i);
  return order;
}

}  // namespace

ParallelFits::ParallelFits(const CandidateFits& inner, const Sample& sample,
                           const std::vector<int>& codes, int threads, const ThreadStart& start)
    : inner_(inner),
      sample_(sample),
      codes_(codes),
      partner_(Partners(codes)),
      order_(WorkOrder(codes, partner_)),
      promises_(codes.size()) {
  futures_.reserve(codes_.size());
  for (auto& promise : promises_) futures_.push_back(promise.get_future());
  // A thread that cannot be started only makes the run slower: the fits
  // give the same results on any thread, this one included.
  try {
    // Reserved first, so that a thread once started is never lost to a
    // failed push_back (a joinable thread destroyed ends the program).
    workers_.reserve(static_cast<size_t>(std::max(threads, 0)));
    for (int t = 0; t < threads; ++t) workers_.push_back(start([this] { Work(); }));
  } catch (const std::exception&) {
  }
}

ParallelFits::~ParallelFits() {
  stop_ = true;
  for (auto& worker : workers_) worker.join();
}

void ParallelFits::Work() {
  for (size_t n = next_++; n < order_.size() && !stop_; n = next_++) {
    const size_t i = order_[n];
    const size_t j = partner_[i];
    try {
      if (j < codes_.size()) {
        PairedFits pair = inner_.Paired(sample_, codes_[i]);
        promises_[i].set_value(std::move(pair.first));
        promises_[j].set_value(std::move(pair.second));
      } else {
        promises_[i].set_value(Compute(codes_[i]));
      }
    } catch (...) {
      promises_[i].set_exception(std::current_exception());
      if (j < codes_.size()) promises_[j].set_exception(std::current_exception());
    }
  }
}

ParallelFits::Result ParallelFits::Compute(int code) const {
  const DistributionRow& row = RowOf(code);
  switch (row.kind) {
    case DistributionKind::RegressionMember:
      return inner_.Regression(sample_, *row.regression);
    case DistributionKind::NormalMember:
      return inner_.Normal(sample_, code);
    case DistributionKind::SimpleComposite:
    case DistributionKind::GeneralizedComposite:
      return inner_.Composite(sample_, code);
    case DistributionKind::Student:
      return inner_.Student(sample_);
    case DistributionKind::OwnFormulaFamily:
    case DistributionKind::NameOnly:
      break;
  }
  return inner_.OwnFormula(sample_, code);
}

ParallelFits::Result ParallelFits::Take(int code) const {
  const auto at = std::find(codes_.begin(), codes_.end(), code);
  if (at == codes_.end()) return Compute(code);
  auto& future = futures_[at - codes_.begin()];
  if (workers_.empty() || !future.valid()) return Compute(code);
  return future.get();
}

FitResult ParallelFits::Regression(const Sample&, const RegressionMember& m) const {
  return std::get<FitResult>(Take(m.code));
}

FitResult ParallelFits::OwnFormula(const Sample&, int code) const {
  return std::get<FitResult>(Take(code));
}

StudentFits ParallelFits::Student(const Sample&) const {
  return std::get<StudentFits>(Take(kStudentOneDf));
}

NormalFit ParallelFits::Normal(const Sample&, int code) const {
  return std::get<NormalFit>(Take(code));
}

FitResult ParallelFits::Composite(const Sample&, int code) const {
  return std::get<FitResult>(Take(code));
}

std::thread StartThread(std::function<void()> work) {
  return std::thread(std::move(work));
}

int DefaultFitThreads() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace quarlin
