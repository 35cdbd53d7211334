// quarlin-make-sample gumbel|lognormal N OUT: writes the whole-process
// benchmark's series, one value per line. The uniform variates come from the
// raw generator output, not from the standard library's distributions, so
// the series is the same on every machine.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>

#include "common/text_file.h"

namespace {

constexpr unsigned kSeed = 20240611u;
constexpr long double kTwoPi = 6.283185307179586476925L;

long double Uniform(std::mt19937& generator) {
  return (generator() + 0.5L) / 4294967296.0L;
}

// Mode 100, scale 30.
long double Gumbel(std::mt19937& generator) {
  return 100.0L - 30.0L * std::log(-std::log(Uniform(generator)));
}

// Median 1000, log-sd 1.5 (Box-Muller): heavy-tailed.
long double LogNormal(std::mt19937& generator) {
  const long double u = Uniform(generator), v = Uniform(generator);
  return 1000.0L * std::exp(1.5L * std::sqrt(-2.0L * std::log(u)) * std::cos(kTwoPi * v));
}

std::string TenDigits(long double value) {
  char text[40];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10);
  return std::string(text, written.ptr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string usage = "usage: quarlin-make-sample gumbel|lognormal N OUT\n";
  if (argc != 4) {
    std::cerr << usage;
    return 2;
  }
  const std::string law = argv[1];
  int N = 0;
  try {
    N = std::stoi(argv[2]);
  } catch (const std::exception&) {
  }
  if ((law != "gumbel" && law != "lognormal") || N < 1) {
    std::cerr << usage;
    return 2;
  }
  std::mt19937 generator(kSeed);
  quarlin::TextBuilder text;
  for (int i = 0; i < N; ++i)
    text.Line(TenDigits(law == "gumbel" ? Gumbel(generator) : LogNormal(generator)));
  if (!quarlin::WriteFileAtomically(argv[3], text.Text())) {
    std::cerr << "quarlin-make-sample: could not write " << argv[3] << '\n';
    return 1;
  }
  return 0;
}
