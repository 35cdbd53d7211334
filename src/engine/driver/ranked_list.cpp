#include "engine/driver/ranked_list.h"

#include "common/number_text.h"
#include "common/text_file.h"

namespace quarlin {

RankedList::RankedList(const std::filesystem::path& runFile)
    : path_(ChangeExtension(runFile, ".Lst")) {}

void RankedList::Add(const std::string& nameLine, double AvAbsDiff) {
  entries_.push_back({nameLine, AvAbsDiff});
}

std::string RankedList::Text() const {
  TextBuilder text;
  text.Line(" List of AVERAGES of absolute values of the differences between")
      .Line(" observed and calcuated cumulative frequency values (in %).")
      .Line()
      .Line(" The lower the average, the better the distribution fit. Averages are ranked.")
      .Line()
      .Line(" Name of this file : " + path_.filename().string())
      .Line();
  for (const Entry& entry : entries_)
    text.Line(entry.nameLine).Line(" Average = " + Fix(entry.AvAbsDiff, 6, 4)).Line();
  return text.Text();
}

bool RankedList::Save() const {
  return WriteFileAtomically(path_, Text());
}

}  // namespace quarlin
