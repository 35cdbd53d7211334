#include "engine/report/parameter_file.h"

#include <initializer_list>

#include "common/number_text.h"
#include "common/text_file.h"
#include "engine/catalogue/composite_members.h"
#include "engine/report/report_params.h"

namespace quarlin {
namespace {

using Lines = std::vector<std::string>;

void AddValues(Lines& lines, std::initializer_list<double> values) {
  for (const double value : values) lines.push_back(Ext(value));
}

bool HasGeneralBlock(int code) {
  return (code >= 1 && code <= 5) || code == 33 || code == 35 ||
         (code >= 51 && code <= 69 && code != 62 && code != 63);
}

// What follows A and B in the general block.
void AddGeneralExtras(int code, const FittedParams& p, Lines& lines) {
  switch (code) {
    case 3:
    case 51:
    case 52:
    case 55:
    case 65:
    case 66:
      return AddValues(lines, {p.line.E});
    case 33:
    case 35:
    case 58:
    case 59:
      return AddValues(lines, {p.bound.C});
    case 67:
      return AddValues(lines, {p.gev.K, p.gev.A, p.gev.B});
    case 68:
      return AddValues(lines, {p.laplace.L, p.laplace.D1, p.laplace.D2});
    case 69:
      return AddValues(lines, {p.rayleigh.E, p.rayleigh.S});
    default:
      return;
  }
}

void AddCodeValues(int code, const FittedParams& p, double C, Lines& lines) {
  const CompositeParams& c = p.composite;
  if (HasGeneralBlock(code)) {
    const SlopeIntercept ab = SharedSlopeIntercept(code, p);
    AddValues(lines, {ab.A, ab.B});
    AddGeneralExtras(code, p, lines);
  } else if (code == 6) {
    AddValues(lines, {p.line.A});
  } else if (code >= 7 && code <= 18) {
    AddValues(lines, {c.As, c.Bs, c.Ag, c.Bg, c.P + C});
  } else if (code >= 20 && code <= 26) {
    AddValues(lines, {p.normal.M, p.normal.S});
    if (code == 26) AddValues(lines, {p.normal.E});
  } else if (code == 31 || code == 32) {
    AddValues(lines, {p.burr.B, p.burr.A, p.burr.E, p.burr.K, p.burr.D});
  } else if (code == 34) {
    lines.push_back(Int(p.gompertz.flag ? 1 : 0));
    AddValues(lines, {p.gompertz.B, p.gompertz.E, p.gompertz.A});
  } else if (code == 36) {
    AddValues(lines, {p.kumaraswamy.M, p.kumaraswamy.A, p.kumaraswamy.B});
  } else if (code == 73) {
    AddValues(lines, {p.laplace.L, p.laplace.D1, p.laplace.D2, p.laplace.E1, p.laplace.E2});
  } else if (code == 62 || code == 63) {
    AddValues(lines, {p.student.mean, p.student.sd});
  } else if (code >= 70 && IsComposite(code)) {
    AddValues(lines, {c.Es, c.Eg, c.As, c.Bs, c.Ag, c.Bg, c.P + C});
  }
}

}  // namespace

std::vector<std::string> ParameterFileLines(int code, const FittedParams& reported, double C) {
  Lines lines = {" Parameters for internal use, do not remove.", Int(code)};
  AddCodeValues(code, reported, C, lines);
  AddValues(lines, {C});
  return lines;
}

std::string ParameterFileText(int code, const FittedParams& reported, double C) {
  TextBuilder text;
  for (const std::string& line : ParameterFileLines(code, reported, C)) text.Line(line);
  return text.Text();
}

bool WriteParameterFile(const std::filesystem::path& path, int code, const FittedParams& reported,
                        double C) {
  return WriteFileAtomically(path, ParameterFileText(code, reported, C));
}

}  // namespace quarlin
